#include "ListFile.h"

#include "AtomicFile.h"
#include "RunError.h"

#include <QFile>

#include <cstring>

namespace ListFile {

int load(const QString& path, ReminderTable& table) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        throw RunError::io(path, file.errorString());
    const QByteArray content = file.read(qint64(ReminderTable::Capacity) * TReminderRec::Size);
    if (file.error() != QFile::NoError)
        throw RunError::io(path, file.errorString());
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
        throw RunError::io(path, result.error);
}

} // namespace ListFile
