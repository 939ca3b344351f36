#pragma once

#include <QString>

#include <stdexcept>

// Why a file operation failed, as far as the run-time's texts tell causes apart.
enum class IoCause {
    NotFound,      // no such file or folder
    AccessDenied,  // refused, read-only, or not a regular file
    DiskFull,      // no room left
    ReadBeyondEnd, // the file ended inside what had to be read
    Other,         // anything else: our own text with the system's reason
};

// The run-time's error: raised where a file or conversion operation fails and the program has no
// message of its own for it. The handler that ran the operation stops, and the guard around it
// (see Guard.h) shows the text in the general error box.
class RunError : public std::runtime_error {
public:
    explicit RunError(const QString& text);

    QString text() const { return m_text; }

    // An input/output failure on a file. This is the one place that gives such a failure its
    // text: "File not found", "File access denied", "Disk full" and "Read beyond end of file" as
    // the run-time words them, and "I/O error on <path>: <reason>." for any other cause.
    static RunError io(const QString& path, IoCause cause, const QString& reason = {});
    // The same, from the system's error number.
    static RunError io(const QString& path, int errorNumber);
    // The same, from the system's reason as the file classes word it (errorString()): a reason
    // that names a known cause gets that cause's text.
    static RunError io(const QString& path, const QString& reason);

    static IoCause causeOf(int errorNumber);
    static IoCause causeOf(const QString& reason);

    // The reason given for a path that holds a pipe, a device or a folder instead of a file.
    static QString notRegularReason();

private:
    QString m_text;
};
