#include "XSession.h"

#include "Polling.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <utility>

namespace {

// The programs the desktop tests run, with the Debian package of each.
const std::pair<const char*, const char*> Tools[] = {
    {"Xvfb", "xvfb"},       {"openbox", "openbox"}, {"trayer", "trayer"},
    {"xdotool", "xdotool"}, {"xprop", "x11-utils"}, {"xwininfo", "x11-utils"},
};

// Only what the tests use: Alt+F4 closes the active window, as on a default desktop, and new
// windows get the keyboard; Ctrl+Shift+F11 and F12 switch to the second desktop and back, which
// shows from outside that key bindings work. Our own file keeps a changed system-wide one from
// changing the tests.
const char OpenboxSettings[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <focus><focusNew>yes</focusNew><followMouse>no</followMouse></focus>
  <desktops><number>2</number></desktops>
  <keyboard>
    <keybind key="A-F4"><action name="Close"/></keybind>
    <keybind key="C-S-F11"><action name="GoToDesktop"><to>2</to></action></keybind>
    <keybind key="C-S-F12"><action name="GoToDesktop"><to>1</to></action></keybind>
  </keyboard>
</openbox_config>
)";

} // namespace

XSession::XSession(const QString& folder)
    : m_folder(folder) {
    // The display's own clients (the window manager, the notification area, the probe) get a
    // runtime folder of the session's, as a desktop login gives one.
    QDir().mkpath(runtimeFolder());
    QFile::setPermissions(runtimeFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (findTools() && startServer() && startWindowManager() && confirmKeyBindings())
        startNotificationArea();
}

XSession::~XSession() {
    m_notificationArea.reset();
    m_windowManager.reset();
    m_server.reset();
}

bool XSession::fail(const QString& error) {
    m_error = error;
    return false;
}

QProcessEnvironment XSession::environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"DISPLAY", "WAYLAND_DISPLAY", "XAUTHORITY", "QT_QPA_PLATFORM", "QT_QPA_PLATFORMTHEME",
          "QT_STYLE_OVERRIDE", "QT_SCALE_FACTOR", "SESSION_MANAGER", "XDG_CURRENT_DESKTOP",
          "XDG_SESSION_TYPE", "DESKTOP_SESSION", "XDG_CONFIG_HOME", "XDG_DATA_HOME",
          "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder());
    environment.insert(QStringLiteral("DISPLAY"), m_display);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("HOME"), m_folder);
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    // A bus that is not there: no program reaches the session bus of the desktop the tests run
    // in (a tray icon would appear there), and none starts a bus of its own that outlives us.
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                       QStringLiteral("unix:path=") + m_folder + QStringLiteral("/no-bus"));
    return environment;
}

bool XSession::findTools() {
    for (const auto& [tool, package] : Tools) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return fail(QStringLiteral("%1 is not installed (Debian package %2); "
                                       "bash scripts/setup.sh installs what the desktop tests need")
                            .arg(QString::fromLatin1(tool), QString::fromLatin1(package)));
    }
    return true;
}

bool XSession::startServer() {
    // -displayfd: the server takes the first free display number and writes it to standard
    // output once it accepts clients; that is both our display and our "ready".
    m_server = std::make_unique<ProgramRun>(
        QStringLiteral("Xvfb"),
        QStringList{QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                    QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                    QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-noreset")},
        QProcessEnvironment::systemEnvironment());
    const QByteArray number = m_server->readLine(Polling::StartTimeout);
    bool ok = false;
    number.toInt(&ok);
    if (!ok)
        return fail(QStringLiteral("Xvfb did not report a display: ") + m_server->describe());
    m_display = QLatin1Char(':') + QString::fromLatin1(number);
    return true;
}

bool XSession::startWindowManager() {
    const QString settings = m_folder + QStringLiteral("/openbox-rc.xml");
    QFile file(settings);
    if (!file.open(QIODevice::WriteOnly) || file.write(OpenboxSettings) < 0)
        return fail(QStringLiteral("cannot write ") + settings);
    file.close();
    m_windowManager = std::make_unique<ProgramRun>(
        QStringLiteral("openbox"), QStringList{QStringLiteral("--config-file"), settings},
        environment());
    const DesktopDriver driver = desktop();
    const bool ready = Polling::waitUntil(
        [&] {
            return !m_windowManager->isRunning() ||
                   driver.windowManagerName() == QLatin1String("Openbox");
        },
        Polling::StartTimeout);
    if (!ready || !m_windowManager->isRunning())
        return fail(QStringLiteral("openbox did not take over the display: ") +
                    m_windowManager->describe());
    return true;
}

bool XSession::confirmKeyBindings() {
    // The first keys a fresh server gets were seen to pass the window manager by: an Alt+F4 that
    // reached the window instead, about once in some hundreds of sessions. So keys go to it here
    // until a binding visibly works, and the tests' keys come after.
    const DesktopDriver driver = desktop();
    const auto switchTo = [&](int number, const QString& keys) {
        return Polling::waitUntil(
            [&] {
                driver.pressKeys({keys});
                return Polling::waitUntil([&] { return driver.currentDesktop() == number; },
                                          std::chrono::milliseconds(500));
            },
            Polling::StartTimeout);
    };
    if (!switchTo(1, QStringLiteral("ctrl+shift+F11")) ||
        !switchTo(0, QStringLiteral("ctrl+shift+F12")))
        return fail(QStringLiteral("openbox does not act on its key bindings: ") +
                    m_windowManager->describe());
    return true;
}

bool XSession::startNotificationArea() {
    m_notificationArea = std::make_unique<ProgramRun>(
        QStringLiteral("trayer"),
        QStringList{QStringLiteral("--edge"), QStringLiteral("bottom"), QStringLiteral("--align"),
                    QStringLiteral("right"), QStringLiteral("--widthtype"),
                    QStringLiteral("request"), QStringLiteral("--height"), QStringLiteral("24")},
        environment());
    const DesktopDriver driver = desktop();
    const bool ready = Polling::waitUntil(
        [&] { return !m_notificationArea->isRunning() || driver.hasNotificationArea(); },
        Polling::StartTimeout);
    if (!ready || !m_notificationArea->isRunning())
        return fail(QStringLiteral("trayer did not provide a notification area: ") +
                    m_notificationArea->describe());
    return true;
}

QString XSession::failures() {
    QString text;
    for (ProgramRun* piece : {m_server.get(), m_windowManager.get(), m_notificationArea.get()}) {
        if (piece && !piece->isRunning())
            text += piece->describe() + QLatin1Char('\n');
    }
    return text;
}
