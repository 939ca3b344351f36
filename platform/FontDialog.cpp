#include "FontDialog.h"

#include "ColourNames.h"
#include "Dialogs.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QKeyEvent>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

FontDialog::Responder& responder() {
    static FontDialog::Responder value;
    return value;
}

// The sixteen colours a font dialog offers, with their names as the user reads them.
struct NamedColour {
    quint32 value;
    const char* name;
};

const NamedColour kColours[] = {
    {ColourNames::clBlack, "Fekete"},    {ColourNames::clMaroon, "Gesztenyebarna"},
    {ColourNames::clGreen, "Zöld"},      {ColourNames::clOlive, "Olajzöld"},
    {ColourNames::clNavy, "Sötétkék"},   {ColourNames::clPurple, "Lila"},
    {ColourNames::clTeal, "Kékeszöld"},  {ColourNames::clGray, "Szürke"},
    {ColourNames::clSilver, "Ezüst"},    {ColourNames::clRed, "Piros"},
    {ColourNames::clLime, "Citromzöld"}, {ColourNames::clYellow, "Sárga"},
    {ColourNames::clBlue, "Kék"},        {ColourNames::clFuchsia, "Bíbor"},
    {ColourNames::clAqua, "Vízkék"},     {ColourNames::clWhite, "Fehér"},
};

QIcon swatch(quint32 colour) {
    QPixmap pixmap(16, 12);
    const QColor shown = ColourNames::toQColor(colour);
    pixmap.fill(shown.isValid() ? shown : QColor(Qt::transparent));
    return QIcon(pixmap);
}

// The font part is a dialog of its own, which takes Enter for a default button that it does not
// have, and so does nothing: Enter in any of its fields is the whole dialog's OK.
class EnterConfirms : public QObject {
public:
    explicit EnterConfirms(QDialog* dialog)
        : QObject(dialog)
        , m_dialog(dialog) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                m_dialog->accept();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QDialog* m_dialog;
};

// Qt's font dialog knows no colour: it is embedded here beside a colour list.
std::optional<FontDialog::Choice> showDialog(const FontDialog::Choice& initial, QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Betűkészlet"));
    auto* fonts = new QFontDialog(initial.font, &dialog);
    fonts->setWindowFlags(Qt::Widget);
    fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);

    auto* colours = new QComboBox(&dialog);
    for (const NamedColour& colour : kColours)
        colours->addItem(swatch(colour.value), QString::fromUtf8(colour.name), colour.value);
    int current = colours->findData(initial.colour);
    if (current < 0) {
        // A colour of the desktop's own or without a name keeps its place in the list.
        colours->addItem(swatch(initial.colour), QStringLiteral("Egyéni"), initial.colour);
        current = colours->count() - 1;
    }
    colours->setCurrentIndex(current);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Mégse"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    // The embedded font part is a dialog of its own, which Escape would close alone: its answer
    // is the whole dialog's.
    QObject::connect(fonts, &QDialog::rejected, &dialog, &QDialog::reject);
    QObject::connect(fonts, &QDialog::accepted, &dialog, &QDialog::accept);
    fonts->installEventFilter(new EnterConfirms(&dialog));

    auto* colourRow = new QFormLayout;
    colourRow->addRow(QStringLiteral("Szín:"), colours);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(fonts);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);

    // The lists show an installed family in place of a stored name that is not installed; as
    // long as the user keeps that family, the stored name is kept.
    const QString shownFamily = fonts->currentFont().family();
    if (Dialogs::runModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    QFont chosen = fonts->currentFont();
    if (chosen.family() == shownFamily)
        chosen.setFamily(initial.font.family());
    return FontDialog::Choice{chosen, colours->currentData().toUInt()};
}

} // namespace

void FontDialog::setResponderForTesting(Responder value) {
    responder() = std::move(value);
}

std::optional<FontDialog::Choice> FontDialog::choose(const Choice& initial, QWidget* parent) {
    if (responder())
        return responder()(initial);
    return showDialog(initial, parent);
}
