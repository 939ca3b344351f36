#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>

// What a folder holds at one moment, entry by entry: each file's bytes, and for files and
// folders the modification time to the nanosecond and the inode. Two snapshots differ when
// anything was written, replaced (even by the same bytes: a new inode), added or removed.
class FolderSnapshot {
public:
    static FolderSnapshot of(const QString& folder);

    // One line per entry that differs in the later snapshot; empty when nothing changed.
    QStringList differencesTo(const FolderSnapshot& later) const;

    // Whether the entry is another file in the later snapshot: written anew and renamed into
    // place, whatever its bytes.
    bool isReplacedIn(const FolderSnapshot& later, const QString& name) const;

    int entryCount() const { return int(m_entries.size()); }

private:
    struct Entry {
        bool isFolder = false;
        QByteArray bytes;
        qint64 modifiedNs = 0;
        quint64 inode = 0;
    };

    // Relative paths, "." for the folder itself.
    std::map<QString, Entry> m_entries;
};
