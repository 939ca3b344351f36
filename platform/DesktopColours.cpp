#include "DesktopColours.h"

#include "ColourNames.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPalette>
#include <QWidget>

#include <array>
#include <optional>

namespace {

using namespace ColourNames;

struct PaletteColour {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The desktop colours by index, as the nearest roles of a Qt palette. Captions and the desktop
// background have no palette role of their own; they borrow the selection and shade colours.
constexpr std::array<std::optional<PaletteColour>, 29> kSystemRoles = {{
    PaletteColour{QPalette::Active, QPalette::Button},          // 0 scroll bar
    PaletteColour{QPalette::Active, QPalette::Dark},            // 1 desktop background
    PaletteColour{QPalette::Active, QPalette::Highlight},       // 2 active caption
    PaletteColour{QPalette::Active, QPalette::Mid},             // 3 inactive caption
    PaletteColour{QPalette::Active, QPalette::Window},          // 4 menu
    PaletteColour{QPalette::Active, QPalette::Base},            // 5 window
    PaletteColour{QPalette::Active, QPalette::Shadow},          // 6 window frame
    PaletteColour{QPalette::Active, QPalette::WindowText},      // 7 menu text
    PaletteColour{QPalette::Active, QPalette::WindowText},      // 8 window text
    PaletteColour{QPalette::Active, QPalette::HighlightedText}, // 9 caption text
    PaletteColour{QPalette::Active, QPalette::Window},          // 10 active border
    PaletteColour{QPalette::Active, QPalette::Window},          // 11 inactive border
    PaletteColour{QPalette::Active, QPalette::Mid},             // 12 application work space
    PaletteColour{QPalette::Active, QPalette::Highlight},       // 13 highlight
    PaletteColour{QPalette::Active, QPalette::HighlightedText}, // 14 highlighted text
    PaletteColour{QPalette::Active, QPalette::Button},          // 15 button face
    PaletteColour{QPalette::Active, QPalette::Dark},            // 16 button shadow
    PaletteColour{QPalette::Disabled, QPalette::Text},          // 17 grey (disabled) text
    PaletteColour{QPalette::Active, QPalette::ButtonText},      // 18 button text
    PaletteColour{QPalette::Disabled, QPalette::WindowText},    // 19 inactive caption text
    PaletteColour{QPalette::Active, QPalette::Light},           // 20 button highlight
    PaletteColour{QPalette::Active, QPalette::Shadow},          // 21 3-D dark shadow
    PaletteColour{QPalette::Active, QPalette::Midlight},        // 22 3-D light
    PaletteColour{QPalette::Active, QPalette::ToolTipText},     // 23 tooltip text
    PaletteColour{QPalette::Active, QPalette::ToolTipBase},     // 24 tooltip background
    std::nullopt,                                               // 25 not a desktop colour
    PaletteColour{QPalette::Active, QPalette::Link},            // 26 hot-tracked item
    PaletteColour{QPalette::Active, QPalette::Highlight},       // 27 active caption gradient
    PaletteColour{QPalette::Active, QPalette::Mid},             // 28 inactive caption gradient
}};

QPalette applicationPalette() {
    return qGuiApp ? QGuiApplication::palette() : QPalette();
}

} // namespace

namespace DesktopColours {

QColor toQColor(quint32 colour) {
    if (colour == clNone || colour == clDefault)
        return {};
    if (colour & kSystemColour) {
        // The index is the low byte, as the desktop's colour lookup reads it.
        const quint32 index = colour & 0xFF;
        if (index >= kSystemRoles.size() || !kSystemRoles[index])
            return {};
        return applicationPalette().color(kSystemRoles[index]->group, kSystemRoles[index]->role);
    }
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

void applyTextColour(QWidget* widget, quint32 colour) {
    const QColor shown = toQColor(colour);
    QPalette colours = widget->palette();
    const QPalette desktop = QApplication::palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text}) {
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            colours.setColor(group, role, shown.isValid() ? shown : desktop.color(group, role));
    }
    widget->setPalette(colours);
}

} // namespace DesktopColours
