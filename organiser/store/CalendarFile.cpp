#include "CalendarFile.h"

#include "AtomicFile.h"
#include "RegularFile.h"
#include "RunError.h"

#include <QFileInfo>

#include <cstring>

namespace CalendarFile {

LoadResult load(const QString& path, DayTable& table) {
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return LoadResult::Missing;
    const RegularFile::Read read = RegularFile::read(
        path, qint64(DayTable::Capacity) * TDayRec::Size, RegularFile::Access::ReadWrite);
    if (!read.opened)
        return LoadResult::NotOpenable;
    if (!read.ok())
        throw read.error();
    const QByteArray& content = *read.bytes;
    const int count = int(content.size() / TDayRec::Size);
    for (int i = 0; i < count; ++i)
        std::memcpy(table[DayTable::First + i].data(), content.constData() + i * TDayRec::Size,
                    TDayRec::Size);
    return LoadResult::Loaded;
}

QByteArray bytes(const DayTable& table) {
    QByteArray content;
    for (int i = DayTable::First; i <= DayTable::Last && table[i].hasName(); ++i)
        content.append(table[i].data(), TDayRec::Size);
    return content;
}

bool save(const QString& path, const DayTable& table) {
    return AtomicFile::write(path, bytes(table)).ok;
}

} // namespace CalendarFile
