#pragma once

#include "ProgramRun.h"

#include <QList>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>

#include <memory>

// What a test does on the X display and asks of it, through the tools a user's desktop has:
// xdotool to find, activate and minimise windows and to type, xprop and xwininfo to read the
// window manager's view, and desktop_probe for pictures and the notification area.
// Every call is bounded in time; a tool that fails reads as "nothing found".
class DesktopDriver {
public:
    using WindowId = quint64;

    // The environment names the display; the tools run with it.
    explicit DesktopDriver(const QProcessEnvironment& environment);

    // Windows whose name matches the pattern (a regular expression), of one process when a
    // process id is given, in the order xdotool lists them.
    QList<WindowId> findWindows(const QString& namePattern, qint64 pid = 0) const;
    QString windowName(WindowId window) const;
    // What xprop says of one property of the window, "WM_CLASS(STRING) = ..."; empty when no
    // window answers.
    QString windowProperty(WindowId window, const QString& property) const;

    // Mapped and on screen: not minimised, not withdrawn.
    bool isViewable(WindowId window) const;
    // The window that has the keyboard, as the window manager announces it; 0 when none.
    WindowId activeWindow() const;
    // The managed windows from bottom to top.
    QList<WindowId> stackingOrder() const;
    // The number of the desktop shown, from 0; -1 when no window manager tells.
    int currentDesktop() const;
    // The name the running window manager gives itself; empty when none runs.
    QString windowManagerName() const;
    bool hasNotificationArea() const;

    // Asks the window manager to give the window the keyboard and waits until it has.
    bool activate(WindowId window) const;
    // Minimises the window and waits until it is off screen.
    bool minimise(WindowId window) const;
    // Types the keys (xdotool's names, e.g. "alt+F4", "Return") into the active window.
    bool pressKeys(const QStringList& keys) const;

    // The window with the window manager's frame around it, in screen coordinates.
    QRect frameGeometry(WindowId window) const;
    QRect screenGeometry() const;
    bool grab(const QRect& area, const QString& pngPath) const;

    // Starts a plain maximised window with the given title, to stand in front of others.
    std::unique_ptr<ProgramRun> startCoveringWindow(const QString& title) const;

private:
    ProgramRun::Result tool(const QString& program, const QStringList& arguments) const;
    QString windowInfo(WindowId window) const;

    QProcessEnvironment m_environment;
};
