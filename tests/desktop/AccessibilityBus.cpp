#include "AccessibilityBus.h"

#include "Polling.h"

#include <QDir>
#include <QFile>

namespace {

const QString Launcher = QStringLiteral("/usr/libexec/at-spi-bus-launcher");

} // namespace

AccessibilityBus::AccessibilityBus() {
    const QString runtime = m_folder.filePath(QStringLiteral("runtime"));
    if (!QDir().mkpath(runtime) || !QFile::exists(Launcher)) {
        m_error = QStringLiteral("at-spi-bus-launcher is not installed (Debian package "
                                 "at-spi2-core); bash scripts/setup.sh installs it");
        return;
    }
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // The session bus prints its address once it takes connections: that is its "ready".
    const QString address = QStringLiteral("unix:path=") + m_folder.filePath(QStringLiteral("bus"));
    m_sessionBus = std::make_unique<ProgramRun>(
        QStringLiteral("dbus-daemon"),
        QStringList{QStringLiteral("--session"), QStringLiteral("--nofork"),
                    QStringLiteral("--address=") + address, QStringLiteral("--print-address=1")},
        busEnvironment());
    if (m_sessionBus->readLine(Polling::StartTimeout).isEmpty()) {
        m_error = QStringLiteral("the session bus did not come up: ") + m_sessionBus->describe();
        return;
    }
    m_address = address;
    // The accessibility bus is there once its socket is.
    m_launcher = std::make_unique<ProgramRun>(
        Launcher, QStringList{QStringLiteral("--launch-immediately")}, busEnvironment());
    const QString socket = runtime + QStringLiteral("/at-spi/bus");
    if (!Polling::waitUntil([&] { return QFile::exists(socket) || !m_launcher->isRunning(); },
                            Polling::StartTimeout) ||
        !m_launcher->isRunning())
        m_error =
            QStringLiteral("the accessibility bus did not come up: ") + m_launcher->describe();
}

AccessibilityBus::~AccessibilityBus() {
    // The launcher ends with its session bus, and the accessibility bus and registry with it.
    m_sessionBus.reset();
    m_launcher.reset();
}

QProcessEnvironment AccessibilityBus::busEnvironment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Told of the display, the launcher would announce its bus there to every program.
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("AT_SPI_BUS_ADDRESS"));
    environment.insert(QStringLiteral("HOME"), m_folder.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                       m_folder.filePath(QStringLiteral("runtime")));
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
    return environment;
}

QProcessEnvironment AccessibilityBus::programVariables() const {
    QProcessEnvironment variables;
    variables.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
    variables.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    return variables;
}

ProgramRun::Result AccessibilityBus::probe(const QStringList& arguments) const {
    return ProgramRun::run(QStringLiteral(ATSPI_PROBE), arguments, busEnvironment(),
                           Polling::StepTimeout);
}

QList<AccessibleObject> AccessibilityBus::objectsOf(qint64 pid) const {
    QList<AccessibleObject> objects;
    const ProgramRun::Result result = probe({QString::number(pid)});
    for (const QString& line : QString::fromUtf8(result.output).split(QLatin1Char('\n'))) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (result.succeeded() && fields.size() == 5)
            objects.append({fields[0].toInt(), fields[1], fields[2],
                            fields[3].split(QLatin1Char(','), Qt::SkipEmptyParts),
                            fields[4].split(QLatin1Char(','), Qt::SkipEmptyParts)});
    }
    return objects;
}

bool AccessibilityBus::act(qint64 pid, const QString& role, const QString& name,
                           const QString& action) const {
    return probe({QString::number(pid), role, name, action}).succeeded();
}
