#pragma once

#include "DesktopDriver.h"

#include <QPoint>
#include <QProcessEnvironment>
#include <QString>

// What a user's hands do that DesktopDriver's keys cannot: type whole texts, accented letters
// included, and click into a window where no key leads.
class UserInput {
public:
    using WindowId = DesktopDriver::WindowId;

    // The environment names the display; the tools run with it.
    explicit UserInput(const QProcessEnvironment& environment);

    // Puts a keyboard layout on the display for the clients that start after it. xdotool types a
    // letter that no key carries by remapping a spare key for a moment, and a program that reads
    // the key after the mapping went back sees another letter or none (seen with "ő"); a layout
    // whose keys carry every letter typed leaves nothing to remap.
    bool useLayout(const QString& layout) const;

    // Types the text into the window that has the keyboard, one key after the other.
    bool type(const QString& text) const;

    // Clicks the left button at a point of the window, in its own coordinates (the frame of the
    // window manager not counted).
    bool click(WindowId window, const QPoint& at) const;
    // Moves the mouse to a point of the screen, and clicks the left button there.
    bool moveMouse(const QPoint& to) const;
    bool clickAt(const QPoint& onScreen) const;

private:
    bool tool(const QString& program, const QStringList& arguments) const;

    QProcessEnvironment m_environment;
};
