#include "Shell.h"

#include "SessionEnd.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

namespace {

using StartResult = Shell::StartResult;

Shell::Opener& testOpener() {
    static Shell::Opener value;
    return value;
}

Shell::Starter& testStarter() {
    static Shell::Starter value;
    return value;
}

// What a child tells the caller through the error pipe when it cannot go on.
struct Failure {
    enum Stage : int { Fork = 1, ChangeFolder = 2, Execute = 3 };
    int stage = 0;
    int error = 0;
};

bool pathExists(const QByteArray& path) {
    struct stat info;
    return ::stat(path.constData(), &info) == 0;
}

bool isFolder(const QByteArray& path) {
    struct stat info;
    return ::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

StartResult fromMemoryError(int error) {
    return error == ENOMEM || error == EAGAIN || error == E2BIG ? StartResult::OutOfMemory
                                                                : StartResult::OutOfResources;
}

StartResult fromFolderChange(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return StartResult::AccessDenied;
    case ENOENT:
    case ENOTDIR:
    case ELOOP:
    case ENAMETOOLONG:
        return StartResult::PathNotFound;
    default:
        return fromMemoryError(error);
    }
}

StartResult fromExecute(int error, const QByteArray& program, const QByteArray& folder) {
    switch (error) {
    case ENOENT:
        if (!isFolder(folder))
            return StartResult::PathNotFound;
        if (!pathExists(program))
            return StartResult::FileNotFound;
        // The file is there, but the interpreter its first line names is not.
        return StartResult::BadFormat;
    case ENOTDIR:
    case ELOOP:
    case ENAMETOOLONG:
        return StartResult::PathNotFound;
    case EACCES:
        // The kernel refuses a folder in the program's place as it refuses a file without
        // execute permission; for the user the first is simply not a program.
        return isFolder(program) ? StartResult::BadFormat : StartResult::AccessDenied;
    case EPERM:
    case ETXTBSY:
        return StartResult::AccessDenied;
    case ENOEXEC:
    case ELIBBAD:
    case EISDIR:
    case EINVAL:
        return StartResult::BadFormat;
    default:
        return fromMemoryError(error);
    }
}

// Only async-signal-safe calls from here on: the caller may have other threads.
void report(int pipe, Failure::Stage stage, int error) {
    const Failure failure{stage, error};
    [[maybe_unused]] const ssize_t written = ::write(pipe, &failure, sizeof failure);
}

[[noreturn]] void runChild(int pipe, const char* program, char* const* argv, const char* folder) {
    // Out of our session, so that closing the caller's terminal does not end the program; and
    // through a grandchild, which init adopts once this child ends, so the caller never holds a
    // zombie of a program it does not wait for.
    ::setsid();
    const pid_t grandchild = ::fork();
    if (grandchild < 0) {
        report(pipe, Failure::Fork, errno);
        ::_exit(127);
    }
    if (grandchild > 0)
        ::_exit(0);

    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    ::sigaction(SIGPIPE, &standard, nullptr);

    if (folder && ::chdir(folder) != 0) {
        report(pipe, Failure::ChangeFolder, errno);
        ::_exit(127);
    }
    // Descriptors the caller left inheritable (locks, sockets) are not the program's business.
    ::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
    ::execv(program, argv);
    report(pipe, Failure::Execute, errno);
    ::_exit(127);
}

} // namespace

Shell::StartResult Shell::startProgram(const QString& program, const QStringList& arguments,
                                       const QString& workingFolder) {
    if (SessionEnd::hasEnded())
        return StartResult::SessionEnded;
    if (testStarter())
        return testStarter()(program, arguments, workingFolder);
    if (program.isEmpty())
        return StartResult::FileNotFound;

    const QString absolute = QDir::current().absoluteFilePath(program);
    const QByteArray programPath = QFile::encodeName(absolute);
    const QByteArray programFolder = QFile::encodeName(QFileInfo(absolute).absolutePath());
    const QByteArray folderPath =
        workingFolder.isEmpty() ? QByteArray() : QFile::encodeName(workingFolder);

    std::vector<QByteArray> texts;
    texts.reserve(arguments.size() + 1);
    texts.push_back(programPath);
    for (const QString& argument : arguments)
        texts.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);

    int errorPipe[2];
    if (::pipe2(errorPipe, O_CLOEXEC) != 0)
        return fromMemoryError(errno);

    const pid_t child = ::fork();
    if (child == 0) {
        ::close(errorPipe[0]);
        runChild(errorPipe[1], programPath.constData(), argv.data(),
                 folderPath.isEmpty() ? nullptr : folderPath.constData());
    }
    const int forkError = errno;
    ::close(errorPipe[1]);
    if (child < 0) {
        ::close(errorPipe[0]);
        return fromMemoryError(forkError);
    }

    // The pipe closes on both ends' side once the program runs (close-on-exec) or a child has
    // reported why it could not get there.
    Failure failure;
    ssize_t got;
    do {
        got = ::read(errorPipe[0], &failure, sizeof failure);
    } while (got < 0 && errno == EINTR);
    ::close(errorPipe[0]);
    while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }

    if (got != static_cast<ssize_t>(sizeof failure))
        return StartResult::Started;
    switch (failure.stage) {
    case Failure::ChangeFolder:
        return fromFolderChange(failure.error);
    case Failure::Execute:
        return fromExecute(failure.error, programPath, programFolder);
    default:
        return fromMemoryError(failure.error);
    }
}

bool Shell::open(const QString& text) {
    if (SessionEnd::hasEnded())
        return false;
    if (testOpener()) {
        testOpener()(text);
        return true;
    }
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    return !opener.isEmpty() && started(startProgram(opener, {text}));
}

void Shell::setOpenerForTesting(Opener opener) {
    testOpener() = std::move(opener);
}

void Shell::setStarterForTesting(Starter starter) {
    testStarter() = std::move(starter);
}
