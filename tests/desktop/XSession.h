#pragma once

#include "DesktopDriver.h"
#include "ProgramRun.h"

#include <QProcessEnvironment>
#include <QString>

#include <memory>

// A private desktop for a group of tests: an X server (Xvfb) on a display number it picks free
// itself, a window manager (openbox) so that windows are activated, minimised and closed as on a
// user's desktop, and a notification-area host (trayer). Each is waited for until it answers;
// all are ended with the session, whatever the tests did.
class XSession {
public:
    // The folder holds the window manager's settings and serves as the tools' home.
    explicit XSession(const QString& folder);
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    // False when a piece is missing or did not come up; error() then says which and why.
    bool isReady() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }

    QString display() const { return m_display; }

    // An environment for the display's clients: this display, the xcb platform, home and
    // runtime folder in the session's folder, and nothing that would reach the desktop the tests
    // themselves run in.
    QProcessEnvironment environment() const;
    DesktopDriver desktop() const { return DesktopDriver(environment()); }

    // Empty while the server, the window manager and the notification area all still run.
    QString failures();

private:
    bool findTools();
    bool startServer();
    bool startWindowManager();
    bool confirmKeyBindings();
    bool startNotificationArea();
    bool fail(const QString& error);
    QString runtimeFolder() const { return m_folder + QStringLiteral("/runtime"); }

    QString m_folder;
    QString m_display;
    QString m_error;
    std::unique_ptr<ProgramRun> m_server;
    std::unique_ptr<ProgramRun> m_windowManager;
    std::unique_ptr<ProgramRun> m_notificationArea;
};
