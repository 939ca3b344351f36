#pragma once

#include "ColourNames.h"
#include "FrameSize.h"
#include "SettingsKey.h"

#include <QString>
#include <QWidget>

// The keys that the windows of both programs keep, each in its own section of the settings file:
// the font, the place and size, and the style. The windows differ only in their designed size.
struct WindowKeys {
    // The settings file both programs share, in each one's program folder.
    static QString fileName() { return QStringLiteral("Zimpa.ini"); }

    WindowKeys(const QString& windowSection, int width, int height)
        : Section(windowSection)
        , FontName{Section, QStringLiteral("FontName"), QStringLiteral("Arial")}
        , FontSize{Section, QStringLiteral("FontSize"), 8}
        , FontColor{Section, QStringLiteral("FontColor"), ColourNames::clBlack}
        , Top{Section, QStringLiteral("Top"), 50}
        , Left{Section, QStringLiteral("Left"), 50}
        , Width{Section, QStringLiteral("Width"), width}
        , Height{Section, QStringLiteral("Height"), height}
        , StayOnTop{Section, QStringLiteral("StayOnTop"), false} {}

    // Visits the four keys of the window's place and size, each with its entry of a window's
    // table: the value read moves or sizes the window at once, and the window's present place
    // and size are written. Both are the window manager's frame's (FrameSize).
    template <typename Visit> void visitPlaceAndSize(Visit&& visit) const {
        visit(
            Top, [](QWidget& window, int top) { window.move(window.x(), top); },
            [](const QWidget& window) { return window.y(); });
        visit(
            Left, [](QWidget& window, int left) { window.move(left, window.y()); },
            [](const QWidget& window) { return window.x(); });
        visit(
            Width, [](QWidget& window, int width) { FrameSize::setWidth(window, width); },
            [](const QWidget& window) { return FrameSize::of(window).width(); });
        visit(
            Height, [](QWidget& window, int height) { FrameSize::setHeight(window, height); },
            [](const QWidget& window) { return FrameSize::of(window).height(); });
    }

    QString Section;
    SettingsKey<QString> FontName;
    SettingsKey<int> FontSize;
    SettingsKey<quint32> FontColor;
    SettingsKey<int> Top;
    SettingsKey<int> Left;
    SettingsKey<int> Width;
    SettingsKey<int> Height;
    SettingsKey<bool> StayOnTop;
};

// The viewer's section, which every viewer reads at its start and writes at its close, and which
// the organiser's settings dialog writes too.
struct ViewFormKeys : WindowKeys {
    ViewFormKeys()
        : WindowKeys(QStringLiteral("ViewForm"), 236, 234)
        , Transparent{Section, QStringLiteral("Transparent"), 0} {}

    SettingsKey<int> Transparent;
};

inline const ViewFormKeys ViewKeys;
