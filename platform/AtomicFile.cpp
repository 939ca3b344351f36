#include "AtomicFile.h"

#include <QSaveFile>

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
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    if (fault() && fault()(path)) {
        file.cancelWriting();
        return {false, QStringLiteral("No space left on device")};
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
