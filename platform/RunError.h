#pragma once

#include <QString>

#include <stdexcept>

// Why a file operation failed, as far as the run-time's texts tell causes apart.
enum class IoCause {
    NotFound,      // no such file or folder
    AccessDenied,  // refused, read-only, or not a regular file
    DiskFull,      // no room left
    ReadBeyondEnd, // the file ended inside what had to be read
    Other,         // anything else
};

// The run-time's error: raised where a file or conversion operation fails and the program has no
// message of its own for it. The handler that ran the operation stops, and the guard around it
// (see Guard.h) shows the text in the general error box.
class RunError : public std::runtime_error {
public:
    explicit RunError(const QString& text);

    QString text() const { return m_text; }

    // An input/output failure on a file. This is the one place that gives such a failure its
    // text, by its cause alone, as the run-time words it: "File not found", "File access denied",
    // "Disk full", "Read beyond end of file", and "I/O error <number>" with the system's error
    // number for any other cause. Never a reason worded by the toolkit or the system, which may
    // speak another language.
    static RunError io(int errorNumber);
    static RunError io(IoCause cause);
    // The same, from the error number the failed system call left (EIO when it left none).
    static RunError lastIo();

    static IoCause causeOf(int errorNumber);

private:
    QString m_text;
};
