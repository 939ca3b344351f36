#include "DesktopDriver.h"

#include "Polling.h"

#include <QRegularExpression>

namespace {

QString hex(DesktopDriver::WindowId window) {
    return QStringLiteral("0x") + QString::number(window, 16);
}

// The window ids in an xprop line such as "NAME(WINDOW): window id # 0x600006, 0x600010".
QList<DesktopDriver::WindowId> windowIdsOf(const QString& xpropLine) {
    QList<DesktopDriver::WindowId> ids;
    static const QRegularExpression pattern(QStringLiteral("0x[0-9a-fA-F]+"));
    const int hash = int(xpropLine.indexOf(QLatin1Char('#')));
    if (hash < 0)
        return ids;
    auto matches = pattern.globalMatch(xpropLine.mid(hash));
    while (matches.hasNext())
        ids.append(matches.next().captured().toULongLong(nullptr, 16));
    return ids;
}

// The number after "label:" in xwininfo's report.
int infoNumber(const QString& info, const QString& label) {
    const QRegularExpression pattern(QRegularExpression::escape(label) +
                                     QStringLiteral(":\\s*(-?\\d+)"));
    return pattern.match(info).captured(1).toInt();
}

} // namespace

DesktopDriver::DesktopDriver(const QProcessEnvironment& environment)
    : m_environment(environment) {
}

ProgramRun::Result DesktopDriver::tool(const QString& program, const QStringList& arguments) const {
    return ProgramRun::run(program, arguments, m_environment, Polling::StepTimeout);
}

QList<DesktopDriver::WindowId> DesktopDriver::findWindows(const QString& namePattern,
                                                          qint64 pid) const {
    QStringList arguments{QStringLiteral("search")};
    if (pid > 0)
        arguments << QStringLiteral("--all") << QStringLiteral("--pid") << QString::number(pid);
    arguments << QStringLiteral("--name") << namePattern;
    const ProgramRun::Result result = tool(QStringLiteral("xdotool"), arguments);
    QList<WindowId> windows;
    // xdotool search ends with code 1 when it finds nothing.
    for (const QByteArray& line : result.output.split('\n')) {
        bool ok = false;
        const WindowId window = line.trimmed().toULongLong(&ok);
        if (ok)
            windows.append(window);
    }
    return windows;
}

QString DesktopDriver::windowName(WindowId window) const {
    const ProgramRun::Result result =
        tool(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), QString::number(window)});
    return result.succeeded() ? QString::fromUtf8(result.output).chopped(1) : QString();
}

QString DesktopDriver::windowProperty(WindowId window, const QString& property) const {
    const ProgramRun::Result result =
        tool(QStringLiteral("xprop"), {QStringLiteral("-id"), hex(window), property});
    return result.succeeded() ? QString::fromUtf8(result.output).trimmed() : QString();
}

QString DesktopDriver::windowInfo(WindowId window) const {
    const ProgramRun::Result result =
        tool(QStringLiteral("xwininfo"), {QStringLiteral("-id"), hex(window)});
    return result.succeeded() ? QString::fromUtf8(result.output) : QString();
}

bool DesktopDriver::isViewable(WindowId window) const {
    return windowInfo(window).contains(QLatin1String("Map State: IsViewable"));
}

DesktopDriver::WindowId DesktopDriver::activeWindow() const {
    const ProgramRun::Result result = tool(
        QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_ACTIVE_WINDOW")});
    const QList<WindowId> ids = windowIdsOf(QString::fromUtf8(result.output));
    return ids.isEmpty() ? 0 : ids.first();
}

QList<DesktopDriver::WindowId> DesktopDriver::stackingOrder() const {
    const ProgramRun::Result result =
        tool(QStringLiteral("xprop"),
             {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
    return windowIdsOf(QString::fromUtf8(result.output));
}

int DesktopDriver::currentDesktop() const {
    const ProgramRun::Result result = tool(
        QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_CURRENT_DESKTOP")});
    static const QRegularExpression number(QStringLiteral("= (\\d+)"));
    const auto match = number.match(QString::fromUtf8(result.output));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString DesktopDriver::windowManagerName() const {
    // A window manager that follows the desktop conventions names a check window on the root.
    const ProgramRun::Result check =
        tool(QStringLiteral("xprop"),
             {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
    const QList<WindowId> ids = windowIdsOf(QString::fromUtf8(check.output));
    if (ids.isEmpty())
        return {};
    const ProgramRun::Result name =
        tool(QStringLiteral("xprop"),
             {QStringLiteral("-id"), hex(ids.first()), QStringLiteral("_NET_WM_NAME")});
    static const QRegularExpression quoted(QStringLiteral("= \"(.*)\""));
    return quoted.match(QString::fromUtf8(name.output)).captured(1);
}

bool DesktopDriver::hasNotificationArea() const {
    return tool(QStringLiteral(DESKTOP_PROBE), {QStringLiteral("tray")}).succeeded();
}

bool DesktopDriver::activate(WindowId window) const {
    return tool(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"),
                                            QStringLiteral("--sync"), QString::number(window)})
        .succeeded();
}

bool DesktopDriver::minimise(WindowId window) const {
    return tool(QStringLiteral("xdotool"), {QStringLiteral("windowminimize"),
                                            QStringLiteral("--sync"), QString::number(window)})
        .succeeded();
}

bool DesktopDriver::pressKeys(const QStringList& keys) const {
    return tool(QStringLiteral("xdotool"), QStringList{QStringLiteral("key")} + keys).succeeded();
}

QRect DesktopDriver::frameGeometry(WindowId window) const {
    const QString info = windowInfo(window);
    if (info.isEmpty())
        return {};
    const QRect client(infoNumber(info, QStringLiteral("Absolute upper-left X")),
                       infoNumber(info, QStringLiteral("Absolute upper-left Y")),
                       infoNumber(info, QStringLiteral("Width")),
                       infoNumber(info, QStringLiteral("Height")));
    // left, right, top, bottom: what the window manager's frame adds around the client.
    const ProgramRun::Result extents =
        tool(QStringLiteral("xprop"),
             {QStringLiteral("-id"), hex(window), QStringLiteral("_NET_FRAME_EXTENTS")});
    static const QRegularExpression numbers(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)"));
    const auto match = numbers.match(QString::fromUtf8(extents.output));
    if (!match.hasMatch())
        return client;
    return client.adjusted(-match.captured(1).toInt(), -match.captured(3).toInt(),
                           match.captured(2).toInt(), match.captured(4).toInt());
}

QRect DesktopDriver::screenGeometry() const {
    const QString info = tool(QStringLiteral("xwininfo"), {QStringLiteral("-root")}).output;
    return QRect(0, 0, infoNumber(info, QStringLiteral("Width")),
                 infoNumber(info, QStringLiteral("Height")));
}

bool DesktopDriver::grab(const QRect& area, const QString& pngPath) const {
    return tool(QStringLiteral(DESKTOP_PROBE),
                {QStringLiteral("grab"), QString::number(area.x()), QString::number(area.y()),
                 QString::number(area.width()), QString::number(area.height()), pngPath})
        .succeeded();
}

std::unique_ptr<ProgramRun> DesktopDriver::startCoveringWindow(const QString& title) const {
    return std::make_unique<ProgramRun>(
        QStringLiteral(DESKTOP_PROBE), QStringList{QStringLiteral("window"), title}, m_environment);
}
