#include "AccessibilityBus.h"

#include "Polling.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {

const QString Launcher = QStringLiteral("/usr/libexec/at-spi-bus-launcher");

} // namespace

AccessibilityBus::AccessibilityBus() {
    if (!m_folder.isValid()) {
        fail(QStringLiteral("no folder for the bus"));
        return;
    }
    const QString runtime = m_folder.filePath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (startSessionBus())
        startBusLauncher();
}

AccessibilityBus::~AccessibilityBus() {
    // The launcher ends with its session bus, and takes the accessibility bus and the registry
    // with it.
    m_sessionBus.reset();
    m_launcher.reset();
}

bool AccessibilityBus::fail(const QString& error) {
    m_error = error;
    return false;
}

QProcessEnvironment AccessibilityBus::busEnvironment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Told of the display, the launcher would announce its bus on it to every program there.
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "AT_SPI_BUS_ADDRESS"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("HOME"), m_folder.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                       m_folder.filePath(QStringLiteral("runtime")));
    if (!m_address.isEmpty())
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
    return environment;
}

bool AccessibilityBus::startSessionBus() {
    if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty() ||
        !QFile::exists(Launcher))
        return fail(QStringLiteral("dbus-daemon or at-spi-bus-launcher is not installed (Debian "
                                   "packages dbus-daemon, at-spi2-core); bash scripts/setup.sh "
                                   "installs them"));
    const QString address = QStringLiteral("unix:path=") + m_folder.filePath(QStringLiteral("bus"));
    // The bus prints its address once it takes connections: that is its "ready".
    m_sessionBus = std::make_unique<ProgramRun>(
        QStringLiteral("dbus-daemon"),
        QStringList{QStringLiteral("--session"), QStringLiteral("--nofork"),
                    QStringLiteral("--address=") + address, QStringLiteral("--print-address=1")},
        busEnvironment());
    if (m_sessionBus->readLine(Polling::StartTimeout).isEmpty())
        return fail(QStringLiteral("the session bus did not come up: ") + m_sessionBus->describe());
    m_address = address;
    return true;
}

bool AccessibilityBus::startBusLauncher() {
    m_launcher = std::make_unique<ProgramRun>(
        Launcher, QStringList{QStringLiteral("--launch-immediately")}, busEnvironment());
    const bool ready = Polling::waitUntil(
        [&] { return !m_launcher->isRunning() || probe({QStringLiteral("ready")}).succeeded(); },
        Polling::StartTimeout);
    if (!ready || !m_launcher->isRunning())
        return fail(QStringLiteral("the accessibility bus did not come up: ") +
                    m_launcher->describe());
    return true;
}

QProcessEnvironment AccessibilityBus::programVariables() const {
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
    environment.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    return environment;
}

ProgramRun::Result AccessibilityBus::probe(const QStringList& arguments) const {
    return ProgramRun::run(QStringLiteral(ATSPI_PROBE), arguments, busEnvironment(),
                           Polling::StepTimeout);
}

QList<AccessibleObject> AccessibilityBus::objectsOf(qint64 pid) const {
    QList<AccessibleObject> objects;
    const ProgramRun::Result result = probe({QStringLiteral("tree"), QString::number(pid)});
    if (!result.succeeded())
        return objects;
    for (const QString& line : QString::fromUtf8(result.output).split(QLatin1Char('\n'))) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() != 5)
            continue;
        const auto list = [](const QString& field) {
            return field.split(QLatin1Char(','), Qt::SkipEmptyParts);
        };
        objects.append({fields[0].toInt(), fields[1], fields[2], list(fields[3]), list(fields[4])});
    }
    return objects;
}

bool AccessibilityBus::act(qint64 pid, const QString& role, const QString& name,
                           const QString& action) const {
    return probe({QStringLiteral("do"), QString::number(pid), role, name, action}).succeeded();
}
