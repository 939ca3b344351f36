#include "AtomicFile.h"

#include "RegularFile.h"

#include <QSaveFile>

#include <cerrno>

namespace {

std::function<bool(const QString&)>& fault() {
    static std::function<bool(const QString&)> value;
    return value;
}

} // namespace

void AtomicFile::setFaultForTesting(std::function<bool(const QString&)> fails) {
    fault() = std::move(fails);
}

AtomicFile::Result AtomicFile::write(const QString& path, QByteArrayView bytes) {
    // A pipe or a device in the file's place is not ours to replace by a file.
    if (!RegularFile::replaceable(path))
        return {false, EACCES};
    // Each failure is told by the number its system call left, never by the file class's words.
    const auto failed = [] {
        return Result{false, errno != 0 ? errno : EIO};
    };
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return failed();
    if (fault() && fault()(path)) {
        file.cancelWriting();
        return {false, ENOSPC};
    }
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush()) {
        const Result result = failed();
        file.cancelWriting();
        return result;
    }
    if (!file.commit())
        return failed();
    return {true, 0};
}
