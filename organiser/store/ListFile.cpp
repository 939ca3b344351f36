#include "ListFile.h"

#include "AtomicFile.h"
#include "RegularFile.h"
#include "RunError.h"

#include <cstring>

namespace ListFile {

int load(const QString& path, ReminderTable& table, RegularFile::Access access) {
    const RegularFile::Read read =
        RegularFile::read(path, qint64(ReminderTable::Capacity) * TReminderRec::Size, access);
    if (!read.ok())
        throw read.error();
    const QByteArray& content = *read.bytes;
    const int count = int(content.size() / TReminderRec::Size);
    for (int i = 0; i < count; ++i)
        std::memcpy(table[i].data(), content.constData() + i * TReminderRec::Size,
                    TReminderRec::Size);
    return count;
}

QByteArray bytes(const ReminderTable& table) {
    QByteArray content;
    for (int i = 0; i < ReminderTable::Capacity; ++i) {
        if (table[i].ID() != 0)
            content.append(table[i].data(), TReminderRec::Size);
        else if (i > 0)
            break;
    }
    return content;
}

void save(const QString& path, const ReminderTable& table) {
    const AtomicFile::Result result = AtomicFile::write(path, bytes(table));
    if (!result.ok)
        throw result.error();
}

} // namespace ListFile
