#include "ProgramRun.h"

#include "Polling.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <csignal>
#include <sys/prctl.h>

ProgramRun::ProgramRun(const QString& program, const QStringList& arguments,
                       const QProcessEnvironment& environment, const QString& workingFolder)
    : m_program(program) {
    m_process.setProcessEnvironment(environment);
    m_process.setWorkingDirectory(workingFolder);
    // The program dies with the test process, however that ends. This runs in the child between
    // fork and exec, where only async-signal-safe calls belong.
    m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    m_process.start(program, arguments);
    m_started = m_process.waitForStarted(int(Polling::StepTimeout.count()));
    if (m_started)
        m_pid = m_process.processId();
    // Nothing is ever typed into the programs: they must not wait for input.
    m_process.closeWriteChannel();
}

ProgramRun::~ProgramRun() {
    stop();
}

ProgramRun::Result ProgramRun::run(const QString& program, const QStringList& arguments,
                                   const QProcessEnvironment& environment,
                                   std::chrono::milliseconds timeout) {
    ProgramRun tool(program, arguments, environment);
    Result result;
    if (!tool.started())
        return result;
    result.finished = tool.waitForExit(timeout);
    result.exitCode = tool.exitCode();
    result.output = tool.m_process.readAllStandardOutput();
    result.errors = tool.errors();
    return result;
}

bool ProgramRun::isRunning() {
    if (!m_started)
        return false;
    // The process's end reaches QProcess as an event.
    QCoreApplication::processEvents();
    return m_process.state() != QProcess::NotRunning;
}

bool ProgramRun::waitForExit(std::chrono::milliseconds timeout) {
    if (!isRunning())
        return true;
    m_process.waitForFinished(int(timeout.count()));
    return m_process.state() == QProcess::NotRunning;
}

int ProgramRun::exitCode() const {
    if (!m_started || m_process.state() != QProcess::NotRunning ||
        m_process.exitStatus() != QProcess::NormalExit)
        return -1;
    return m_process.exitCode();
}

QByteArray ProgramRun::readLine(std::chrono::milliseconds timeout) {
    const QDeadlineTimer deadline(timeout);
    while (!m_process.canReadLine() && !deadline.hasExpired() && isRunning())
        m_process.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())));
    if (!m_process.canReadLine())
        return {};
    return m_process.readLine().trimmed();
}

void ProgramRun::stop() {
    if (!isRunning())
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(2000)) {
        m_process.kill();
        m_process.waitForFinished(2000);
    }
}

QByteArray ProgramRun::errors() {
    m_errors += m_process.readAllStandardError();
    return m_errors;
}

QString ProgramRun::describe() {
    QString state;
    if (!m_started)
        state = QStringLiteral("did not start: ") + m_process.errorString();
    else if (isRunning())
        state = QStringLiteral("still running");
    else if (m_process.exitStatus() == QProcess::CrashExit)
        state = QStringLiteral("ended by a signal");
    else
        state = QStringLiteral("exit code %1").arg(m_process.exitCode());
    return QStringLiteral("%1 (pid %2): %3; standard error:\n%4")
        .arg(m_program)
        .arg(m_pid)
        .arg(state, QString::fromLocal8Bit(errors()));
}
