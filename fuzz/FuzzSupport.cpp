#include "FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

namespace FuzzSupport {

QString scratchFile(const uint8_t* data, size_t size) {
    static const QString path =
        QDir::tempPath() + QStringLiteral("/zimpa-fuzz-%1").arg(QCoreApplication::applicationPid());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        fail("the scratch file can be written");
    return path;
}

QString scratchFile(QByteArrayView bytes) {
    return scratchFile(reinterpret_cast<const uint8_t*>(bytes.data()), size_t(bytes.size()));
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail("the scratch file can be read back");
    return file.readAll();
}

void startGui(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
}

} // namespace FuzzSupport
