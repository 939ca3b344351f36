#pragma once

#include "RunError.h"

#include <QByteArrayView>
#include <QString>

#include <functional>

// Whole-file writes that never leave a truncated file: the bytes go to a temporary file in the
// same folder, which replaces the old file only once everything is on disk. A failed write leaves
// the old file as it was. Only a regular file (or a link to one) is replaced: anything else in
// its place fails the write, as access denied.
class AtomicFile {
public:
    struct Result {
        bool ok = false;
        int errorNumber = 0; // the system's error number when not ok

        // The run-time error for a failed write.
        RunError error() const { return RunError::io(errorNumber); }
    };

    static Result write(const QString& path, QByteArrayView bytes);

    // Makes every write whose target the predicate accepts fail as a full disk would, so tests
    // (which run as root, where permissions refuse nothing) can check what a failed write does.
    static void setFaultForTesting(std::function<bool(const QString& path)> fails);
};
