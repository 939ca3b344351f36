#pragma once

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <chrono>

// One program a test starts and must be sure to end. Its output is kept for failure messages, it
// is stopped when the run object goes, and it dies with the test process should that end first
// (a crash, or CTest's time-out), so that no X server or organiser outlives a test.
class ProgramRun {
public:
    // What a short-lived tool did: whether it ended within its time, how, and what it printed.
    struct Result {
        bool finished = false;
        int exitCode = -1;
        QByteArray output;
        QByteArray errors;

        bool succeeded() const { return finished && exitCode == 0; }
    };

    // Without a working folder the program runs in the test's own current folder.
    ProgramRun(const QString& program, const QStringList& arguments,
               const QProcessEnvironment& environment, const QString& workingFolder = {});
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    // Runs a tool to its end, killing it when it takes longer than the timeout.
    static Result run(const QString& program, const QStringList& arguments,
                      const QProcessEnvironment& environment, std::chrono::milliseconds timeout);

    bool started() const { return m_started; }
    qint64 pid() const { return m_pid; }
    bool isRunning();

    // True when the program has ended, at the latest after the timeout.
    bool waitForExit(std::chrono::milliseconds timeout);

    // The exit code of a program that ended by itself; -1 while it runs or after a signal.
    int exitCode() const;

    // Waits up to the timeout for a line on standard output and returns it without its end.
    QByteArray readLine(std::chrono::milliseconds timeout);

    // Asks the program to end (SIGTERM), and kills it when it does not within a moment.
    void stop();

    QByteArray errors();

    // Program, process id, state and what it wrote on standard error, for a failure message.
    QString describe();

private:
    QString m_program;
    QProcess m_process;
    qint64 m_pid = 0;
    bool m_started = false;
    QByteArray m_errors;
};
