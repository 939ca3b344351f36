#include "NewForm.h"

#include "Clock.h"
#include "ColourNames.h"
#include "ContentFile.h"
#include "Dialogs.h"
#include "Guard.h"
#include "MainForm.h"
#include "MainSettings.h"
#include "RegionalFormats.h"
#include "ReminderGrid.h"
#include "RichText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTextEdit>

namespace {

TfrmNew::ModalRun& modalRun() {
    static TfrmNew::ModalRun value;
    return value;
}

} // namespace

void TfrmNew::runModal(TfrmNew& dialog) {
    if (modalRun())
        modalRun()(dialog);
    else
        Dialogs::runModal(dialog);
}

void TfrmNew::setModalRunForTesting(ModalRun run) {
    modalRun() = std::move(run);
}

TfrmNew::TfrmNew(TfrmMain& main)
    : QDialog(&main)
    , m_main(main) {
    setObjectName(QStringLiteral("frmNew"));
    setWindowTitle(QStringLiteral("Zimpa V2.00 - Új Zimpa"));
    // A fixed border with the system menu and the close box only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(428, 409);
    setAttribute(Qt::WA_QuitOnClose, false);
    createControls();
    setFocusOrder();
    connectHandlers();
    // An error skips the rest of the creation steps; the dialog opens all the same.
    runGuarded([this] { FormCreate(); });
}

TfrmNew::~TfrmNew() {
    disconnectHandlers();
}

void TfrmNew::FormCreate() {
    const QDate today = Clock::now().date();
    setDatesSilently(today, today);
    copyMainWindowFont();
    fillDayList(clbNevnap, m_main.tables().NevnapList);
    fillDayList(clbUnnep, m_main.tables().UnnepList);
}

void TfrmNew::copyMainWindowFont() {
    QFont own = font();
    own.setFamily(m_main.font().family());
    if (m_main.font().pointSize() > 0)
        own.setPointSize(m_main.font().pointSize());
    setFont(own);
    placeControls();
    const QColor colour = ColourNames::toQColor(m_main.fontColour());
    if (!colour.isValid())
        return;
    QPalette colours = palette();
    // Disabled text keeps the desktop's grey.
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text}) {
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            colours.setColor(group, role, colour);
    }
    setPalette(colours);
}

void TfrmNew::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The steps run once, at the first showing, and only once the dialog's own event loop runs,
    // so that a failed template can close it. They do not run again when the dialog becomes the
    // active window once more (after an alert popped up over it, say): that would put the
    // template back over what the user has typed and reset the check box.
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    QMetaObject::invokeMethod(
        this, [this] { runGuarded([this] { FormActivate(); }); }, Qt::QueuedConnection);
}

void TfrmNew::FormActivate() {
    cbSaveEmptyLines->setChecked(MainSettings.SaveEmptyLines);
    applyKind(cbType->currentIndex());
    LoadTemplate(static_cast<std::uint8_t>(cbType->currentIndex()));
}

void TfrmNew::cbTypeChange() {
    applyKind(cbType->currentIndex());
    LoadTemplate(static_cast<std::uint8_t>(cbType->currentIndex()));
}

void TfrmNew::applyKind(int kind) {
    const bool reminder = kind >= 0 && kind <= 2;
    dtStart->setEnabled(reminder);
    dtEnd->setEnabled(dtStart->isEnabled());
    ListIDEdit->setEnabled(dtStart->isEnabled());
    const bool table = kind == 0 || kind == 1;
    StringGrid1->setVisible(table);
    cbSaveEmptyLines->setVisible(table);
    reMemo->setVisible(kind == 2);
    clbNevnap->setVisible(kind == 3);
    clbUnnep->setVisible(kind == 4);
}

QString TfrmNew::SplitField(const QString& line, std::uint8_t part) {
    return ContentFile::SplitField(line, part);
}

void TfrmNew::LoadTemplate(std::uint8_t kind) {
    if (kind > 2)
        return;
    const QString path = ContentFile::templatePath(m_main.AppDir(), Kind(kind));
    if (Kind(kind) == Kind::Feljegyzes) {
        const std::optional<QByteArray> bytes = ContentFile::readBytes(path);
        if (!bytes)
            return;
        // A template is no edit of the user's. It is read as a rich-text box reads a file: RTF,
        // or else plain text.
        const QSignalBlocker quiet(reMemo);
        RichText::load(*bytes, *reMemo->document());
        return;
    }
    const std::optional<QStringList> lines = ContentFile::readLines(path);
    if (!lines) {
        const QString text =
            QStringLiteral("Hiba: nem olvasható a(z) ") + path + QStringLiteral(" sablon!");
        if (Dialogs::error(text, this) == Dialogs::Answer::Ok)
            reject();
        return;
    }
    const QSignalBlocker quiet(StringGrid1);
    // An empty template leaves the rows as they were; readLines never gives more than a table
    // file may hold.
    if (!lines->isEmpty())
        StringGrid1->setRowCount(int(lines->size()));
    for (int row = 0; row < lines->size(); ++row) {
        StringGrid1->setCell(row, 0, SplitField(lines->at(row), 0));
        StringGrid1->setCell(row, 1, SplitField(lines->at(row), 1));
    }
    makeHeaderRow();
}

void TfrmNew::makeHeaderRow() {
    const QSignalBlocker quiet(StringGrid1);
    StringGrid1->makeHeaderRow();
}

void TfrmNew::setDatesSilently(const QDate& start, const QDate& end) {
    m_settingDates = true;
    dtStart->setDate(start);
    dtEnd->setDate(end);
    m_settingDates = false;
}

void TfrmNew::dtStartChange() {
    setDatesSilently(dtStart->date(), dtStart->date());
    showDatesInIdentifier();
}

void TfrmNew::dtEndChange() {
    showDatesInIdentifier();
}

void TfrmNew::showDatesInIdentifier() {
    ListIDEdit->setText(RegionalFormats::shortDateText(dtStart->date()) + QStringLiteral(" - ") +
                        RegionalFormats::shortDateText(dtEnd->date()));
}

void TfrmNew::btnCancelClick() {
    reject();
}

void TfrmNew::done(int result) {
    runGuarded([this] { FormClose(); });
    QDialog::done(result);
}

void TfrmNew::FormClose() {
    MainSettings.SaveEmptyLines = cbSaveEmptyLines->isChecked();
}

void TfrmNew::keyPressEvent(QKeyEvent* event) {
    // Escape does not cancel this dialog; Enter still presses the default button.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
