#include "FolderSnapshot.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <sys/stat.h>

namespace {

bool statOf(const QString& path, struct stat& info) {
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

} // namespace

FolderSnapshot FolderSnapshot::of(const QString& folder) {
    FolderSnapshot snapshot;
    const QDir root(folder);
    QStringList paths{folder};
    QDirIterator entries(folder,
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext())
        paths.append(entries.next());
    for (const QString& path : paths) {
        struct stat info {};
        if (!statOf(path, info))
            continue;
        Entry entry;
        entry.isFolder = S_ISDIR(info.st_mode);
        entry.modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
        entry.inode = info.st_ino;
        if (!entry.isFolder) {
            QFile file(path);
            if (file.open(QIODevice::ReadOnly))
                entry.bytes = file.readAll();
        }
        const QString name = path == folder ? QStringLiteral(".") : root.relativeFilePath(path);
        snapshot.m_entries.emplace(name, entry);
    }
    return snapshot;
}

QStringList FolderSnapshot::differencesTo(const FolderSnapshot& later) const {
    QStringList differences;
    for (const auto& [name, before] : m_entries) {
        const auto found = later.m_entries.find(name);
        if (found == later.m_entries.end()) {
            differences << name + QStringLiteral(": removed");
            continue;
        }
        const Entry& after = found->second;
        if (before.bytes != after.bytes)
            differences << name + QStringLiteral(": bytes changed (%1 -> %2 bytes)")
                                      .arg(before.bytes.size())
                                      .arg(after.bytes.size());
        if (before.inode != after.inode)
            differences << name + QStringLiteral(": replaced (new inode)");
        if (before.modifiedNs != after.modifiedNs)
            differences << name + QStringLiteral(": modification time changed");
    }
    for (const auto& [name, after] : later.m_entries) {
        Q_UNUSED(after);
        if (!m_entries.count(name))
            differences << name + QStringLiteral(": added");
    }
    return differences;
}

bool FolderSnapshot::isReplacedIn(const FolderSnapshot& later, const QString& name) const {
    const auto before = m_entries.find(name);
    const auto after = later.m_entries.find(name);
    return before != m_entries.end() && after != later.m_entries.end() &&
           before->second.inode != after->second.inode;
}
