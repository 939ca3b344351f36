#pragma once

#include "RunError.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// The programs read and replace regular files only. A named pipe would hold a reader in open()
// or read() for good, and a device or folder is no file of ours: anything but a regular file (a
// link to one is followed) is refused as access denied, without waiting on it.
class RegularFile {
public:
    struct Read {
        std::optional<QByteArray> bytes; // the file's bytes, when it was read
        int errorNumber = 0;             // why not: the system's error number
        bool opened = false;             // false: it failed before a byte was read

        bool ok() const { return bytes.has_value(); }
        bool missing() const {
            return !bytes && RunError::causeOf(errorNumber) == IoCause::NotFound;
        }
        // The run-time error for a failed read.
        RunError error() const { return RunError::io(errorNumber); }
    };

    // How a file is opened: for reading alone, or for reading and writing, as a file that the
    // program means to write back is opened, so that one it may not write is refused at once.
    enum class Access { Read, ReadWrite };

    // The whole file, or its first limit bytes. A read that fails part-way is a failure, never a
    // shorter file.
    static Read read(const QString& path, qint64 limit = -1, Access access = Access::Read);

    // Whether a whole-file write may put a new file at the path: nothing is there, or a regular
    // file (a link to one is followed).
    static bool replaceable(const QString& path);

    // Makes every read of a path that the predicate accepts fail with that error number after
    // opening, as a failing disk would (EIO), so tests can check what a failed read does.
    static void setReadFaultForTesting(std::function<int(const QString& path)> errorFor);
    // Makes every opening for writing of a path that the predicate accepts fail as a read-only or
    // immutable file refuses it, so tests (which run as root, whom a read-only mode refuses
    // nothing) can check what such a file does.
    static void setWriteProtectedForTesting(std::function<bool(const QString& path)> isProtected);
};
