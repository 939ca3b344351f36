#include "UserInput.h"

#include "Polling.h"
#include "ProgramRun.h"

UserInput::UserInput(const QProcessEnvironment& environment)
    : m_environment(environment) {
}

bool UserInput::tool(const QString& program, const QStringList& arguments) const {
    return ProgramRun::run(program, arguments, m_environment, Polling::StepTimeout).succeeded();
}

bool UserInput::useLayout(const QString& layout) const {
    return tool(QStringLiteral("setxkbmap"), {QStringLiteral("-layout"), layout});
}

bool UserInput::type(const QString& text) const {
    // "--" keeps a text that starts with "-" from reading as an option.
    return tool(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("--"), text});
}

bool UserInput::click(WindowId window, const QPoint& at) const {
    return tool(QStringLiteral("xdotool"),
                {QStringLiteral("mousemove"), QStringLiteral("--sync"), QStringLiteral("--window"),
                 QString::number(window), QString::number(at.x()), QString::number(at.y()),
                 QStringLiteral("click"), QStringLiteral("1")});
}

bool UserInput::moveMouse(const QPoint& to) const {
    // xdotool, asked to wait for a move to where the mouse already is, waits until it gives up.
    const ProgramRun::Result where = ProgramRun::run(
        QStringLiteral("xdotool"), {QStringLiteral("getmouselocation"), QStringLiteral("--shell")},
        m_environment, Polling::StepTimeout);
    const QByteArray there = QStringLiteral("X=%1\nY=%2\n").arg(to.x()).arg(to.y()).toLatin1();
    if (where.succeeded() && where.output.startsWith(there))
        return true;
    return tool(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--sync"),
                                            QString::number(to.x()), QString::number(to.y())});
}

bool UserInput::clickAt(const QPoint& onScreen) const {
    return moveMouse(onScreen) &&
           tool(QStringLiteral("xdotool"), {QStringLiteral("click"), QStringLiteral("1")});
}
