#pragma once

#include <QString>

#include <stdexcept>

// The run-time's error: raised where a file or conversion operation fails and the program has no
// message of its own for it. The handler that ran the operation stops, and the guard around it
// (see Guard.h) shows the text in the general error box.
class RunError : public std::runtime_error {
public:
    explicit RunError(const QString& text);

    QString text() const { return m_text; }

    // An input/output failure on a file, naming the file and the system's reason.
    static RunError io(const QString& path, const QString& reason);

    // The input/output failures the run-time tells the user apart, each with its own text.
    enum class IoCause { Other, AccessDenied, DiskFull, NotFound, ReadBeyondEnd };

    // The cause of a failed system call by its errno; Other for one the run-time has no text for.
    static IoCause causeOf(int systemError);

    // A failure of a known cause shows the run-time's text for it ("Disk full"); any other one
    // names the file and the system's reason, as io() above.
    static RunError io(const QString& path, IoCause cause, const QString& reason);

private:
    QString m_text;
};
