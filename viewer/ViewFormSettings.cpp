// The window's section of the settings file, its font, its style and its translucency.
#include "ViewForm.h"

#include "ColourNames.h"
#include "Dialogs.h"
#include "IniFile.h"
#include "RunError.h"
#include "TransparentForm.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QTableWidget>

namespace {

const QString Section = QStringLiteral("ViewForm");

} // namespace

QString TfrmView::settingsFile() const {
    return m_exeDir + QStringLiteral("Zimpa.ini");
}

void TfrmView::LoadSettings() {
    const IniFile ini(settingsFile());
    m_viewSettings.FontName =
        ini.ReadString(Section, QStringLiteral("FontName"), QStringLiteral("Arial"));
    // The size and the transparency are kept in one byte each: only their low eight bits count.
    m_viewSettings.FontSize =
        static_cast<std::uint8_t>(ini.ReadInteger(Section, QStringLiteral("FontSize"), 8));
    applyFont(m_viewSettings.FontName, m_viewSettings.FontSize);
    m_viewSettings.FontColor =
        ini.ReadColour(Section, QStringLiteral("FontColor"), ColourNames::clBlack);
    applyFontColour(m_viewSettings.FontColor);

    const int top = ini.ReadInteger(Section, QStringLiteral("Top"), 50);
    move(x(), top);
    const int left = ini.ReadInteger(Section, QStringLiteral("Left"), 50);
    move(left, y());
    const int width = ini.ReadInteger(Section, QStringLiteral("Width"), 236);
    resize(width, height());
    const int height = ini.ReadInteger(Section, QStringLiteral("Height"), 234);
    resize(this->width(), height);

    m_viewSettings.StayOnTop = ini.ReadBool(Section, QStringLiteral("StayOnTop"), false);
    setStayOnTop(m_viewSettings.StayOnTop);
    PopupMenu1_StayOnTop->setChecked(m_viewSettings.StayOnTop);

    m_viewSettings.Transparent =
        static_cast<std::uint8_t>(ini.ReadInteger(Section, QStringLiteral("Transparent"), 0));
    TransparentForm->ApplyTransparency(static_cast<std::int8_t>(m_viewSettings.Transparent));
}

void TfrmView::SaveSettings() {
    IniFile ini(settingsFile());
    try {
        ini.BeginBatch();
        ini.WriteString(Section, QStringLiteral("FontName"), m_viewSettings.FontName);
        ini.WriteInteger(Section, QStringLiteral("FontSize"), m_viewSettings.FontSize);
        ini.WriteColour(Section, QStringLiteral("FontColor"), m_viewSettings.FontColor);
        ini.WriteInteger(Section, QStringLiteral("Top"), y());
        ini.WriteInteger(Section, QStringLiteral("Left"), x());
        ini.WriteInteger(Section, QStringLiteral("Width"), width());
        ini.WriteInteger(Section, QStringLiteral("Height"), height());
        ini.WriteBool(Section, QStringLiteral("StayOnTop"), m_viewSettings.StayOnTop);
        ini.WriteInteger(Section, QStringLiteral("Transparent"), m_viewSettings.Transparent);
        ini.CommitBatch();
    } catch (const RunError&) {
        // The window closes all the same; the user learns that its place was not kept.
        Dialogs::information(QStringLiteral("Hiba: a(z) ") + settingsFile() +
                                 QStringLiteral(" beállításfájl nem írható, a megjelenítő "
                                                "ablak beállításai nem lettek elmentve."),
                             this);
    }
}

void TfrmView::applyFont(const QString& name, std::uint8_t size) {
    QFont shown = font();
    shown.setFamily(name);
    if (size > 0)
        shown.setPointSize(size);
    setFont(shown);
    // The desktop gives headers a font of their own, which a window's font does not reach: the
    // grid's header row follows the stored font like its cells.
    tZimpa->horizontalHeader()->setFont(shown);
}

void TfrmView::applyFontColour(quint32 colour) {
    ColourNames::applyTextColour(this, colour);
    // The header row writes in the colour of buttons.
    QHeaderView* header = tZimpa->horizontalHeader();
    QPalette colours = header->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        colours.setColor(group, QPalette::ButtonText, palette().color(group, QPalette::Text));
    header->setPalette(colours);
}

bool TfrmView::stayOnTop() const {
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void TfrmView::setStayOnTop(bool on) {
    if (stayOnTop() == on)
        return;
    // A new style makes a new native window and hides it; it is shown again, translucency and
    // all, by the caller.
    const bool shown = isVisible();
    m_restyling = true;
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (shown)
        show();
    m_restyling = false;
}
