#include "ProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

const QString DeliveredFolder = QStringLiteral(ZIMPA_DIST_DIR);

} // namespace

ProgramFolder::ProgramFolder(const QString& path) {
    if (!QFileInfo::exists(DeliveredFolder + QStringLiteral("/Zimpa"))) {
        m_error =
            QStringLiteral("no organiser in ") + DeliveredFolder + QStringLiteral(": build it");
        return;
    }
    if (!QDir().mkpath(path)) {
        m_error = QStringLiteral("cannot make ") + path;
        return;
    }
    m_path = QFileInfo(path).canonicalFilePath();
    const QDir source(DeliveredFolder);
    QDirIterator entries(DeliveredFolder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QFileInfo entry(entries.next());
        const QString target = file(source.relativeFilePath(entry.filePath()));
        if (entry.isDir() ? !QDir().mkpath(target) : !QFile::copy(entry.filePath(), target)) {
            m_error =
                QStringLiteral("cannot copy ") + entry.filePath() + QStringLiteral(" to ") + target;
            return;
        }
        QFile::setPermissions(target, entry.permissions());
    }
}

bool ProgramFolder::write(const QString& name, const QByteArray& bytes) const {
    QFile out(file(name));
    return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(bytes) == bytes.size();
}

QByteArray ProgramFolder::read(const QString& name) const {
    QFile in(file(name));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

bool ProgramFolder::remove(const QString& name) const {
    return QFile::remove(file(name));
}

QByteArray ProgramFolder::delivered(const QString& name) {
    QFile in(DeliveredFolder + QLatin1Char('/') + name);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

bool ProgramFolder::moveAway() const {
    return QDir().rename(m_path, movedPath());
}

bool ProgramFolder::moveBack() const {
    return QDir().rename(movedPath(), m_path);
}
