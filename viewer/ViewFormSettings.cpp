// The window's section of the settings file, its font, its style and its translucency.
#include "ViewForm.h"

#include "ColourNames.h"
#include "IniFile.h"
#include "TransparentForm.h"
#include "WindowKeys.h"

#include <QAction>
#include <QApplication>
#include <QTableWidget>

QString TfrmView::settingsFile() const {
    return m_exeDir + WindowKeys::fileName();
}

template <typename Visit> void TfrmView::eachSettingsKey(Visit&& visit) {
    const ViewFormKeys& keys = ViewKeys;
    // The font takes its name with its size, the key after it.
    visit(
        keys.FontName,
        [](TfrmView& window, const QString& name) { window.m_viewSettings.FontName = name; },
        [](const TfrmView& window) { return window.m_viewSettings.FontName; });
    // The size and the transparency are kept in one byte each: only their low eight bits count.
    visit(
        keys.FontSize,
        [](TfrmView& window, int size) {
            TViewSettings& kept = window.m_viewSettings;
            kept.FontSize = static_cast<std::uint8_t>(size);
            window.applyFont(kept.FontName, kept.FontSize);
        },
        [](const TfrmView& window) { return int(window.m_viewSettings.FontSize); });
    visit(
        keys.FontColor,
        [](TfrmView& window, quint32 colour) {
            window.m_viewSettings.FontColor = colour;
            window.applyFontColour(colour);
        },
        [](const TfrmView& window) { return window.m_viewSettings.FontColor; });

    keys.visitPlaceAndSize(visit);

    visit(
        keys.StayOnTop,
        [](TfrmView& window, bool on) {
            window.m_viewSettings.StayOnTop = on;
            window.setStayOnTop(on);
            window.PopupMenu1_StayOnTop->setChecked(on);
        },
        [](const TfrmView& window) { return window.m_viewSettings.StayOnTop; });
    visit(
        keys.Transparent,
        [](TfrmView& window, int percent) {
            window.m_viewSettings.Transparent = static_cast<std::uint8_t>(percent);
            window.TransparentForm->ApplyTransparency(
                static_cast<std::int8_t>(window.m_viewSettings.Transparent));
        },
        [](const TfrmView& window) { return int(window.m_viewSettings.Transparent); });
}

void TfrmView::LoadSettings() {
    SettingsTable::load([](auto&& visit) { eachSettingsKey(visit); }, IniFile(settingsFile()),
                        *this);
}

void TfrmView::SaveSettings() {
    IniFile ini(settingsFile());
    SettingsTable::save([](auto&& visit) { eachSettingsKey(visit); }, ini, *this);
}

void TfrmView::applyFont(const QString& name, std::uint8_t size) {
    QFont shown = font();
    shown.setFamily(name);
    if (size > 0)
        shown.setPointSize(size);
    setFont(shown);
}

void TfrmView::applyFontColour(quint32 colour) {
    ColourNames::applyTextColour(this, colour);
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
