#pragma once

#include "Tables.h"

#include <QByteArray>
#include <QString>

// A calendar file: the day records of one calendar, 242 bytes each, no header.
namespace CalendarFile {

enum class LoadResult { Loaded, Missing, NotOpenable };

// Reads every whole record into indices 1, 2, ..., stopping at the table's capacity; a trailing
// part of a record is ignored. The file is opened for reading and writing, as it is written back:
// one that may not be written is not openable. Raises RunError when an opened file cannot be read.
LoadResult load(const QString& path, DayTable& table);

// The bytes a write stores: records 1, 2, ... up to the first one without a name.
QByteArray bytes(const DayTable& table);

// Replaces the file with bytes(table); false when it cannot, and the old file stays.
bool save(const QString& path, const DayTable& table);

} // namespace CalendarFile
