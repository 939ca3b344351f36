#include "CalendarFile.h"

#include "AtomicFile.h"
#include "RunError.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace CalendarFile {

LoadResult load(const QString& path, DayTable& table) {
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return LoadResult::Missing;
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return LoadResult::NotOpenable;
    const QByteArray content = file.read(qint64(DayTable::Capacity) * TDayRec::Size);
    if (file.error() != QFile::NoError)
        throw RunError::io(path, file.errorString());
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
