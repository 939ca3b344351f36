#include "AtomicFile.h"

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
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    // errno is read at once after the failing call, before anything else may change it.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString(), errno};
    if (fault() && fault()(path)) {
        file.cancelWriting();
        return {false, QStringLiteral("No space left on device"), ENOSPC};
    }
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush()) {
        const int systemError = errno;
        const QString reason = file.errorString();
        file.cancelWriting();
        return {false, reason, systemError};
    }
    if (!file.commit())
        return {false, file.errorString(), errno};
    return {true, {}, 0};
}
