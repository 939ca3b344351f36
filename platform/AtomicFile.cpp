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
    QString refused;
    if (!RegularFile::replaceable(path, &refused))
        return {false, refused};
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    if (fault() && fault()(path)) {
        file.cancelWriting();
        return {false, qt_error_string(ENOSPC)};
    }
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {false, reason};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}
