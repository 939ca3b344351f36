#pragma once

#include "RegularFile.h"
#include "Tables.h"

#include <QByteArray>
#include <QString>

// A list file: the reminder records of one kind, 104 bytes each, no header.
namespace ListFile {

// Reads every whole record into indices 0, 1, ... and returns how many; a trailing part of a
// record is ignored, and reading stops at the table's capacity. Records after the last one read
// are left as they are. Raises RunError when the file cannot be opened or read. The organiser,
// which writes its lists back, opens them for reading and writing; the viewer's scan only reads.
int load(const QString& path, ReminderTable& table,
         RegularFile::Access access = RegularFile::Access::Read);

// The bytes a write stores: record 0 when its ID is not 0, then records 1, 2, ... up to the
// first one whose ID is 0.
QByteArray bytes(const ReminderTable& table);

// Replaces the file with bytes(table). Raises RunError when it cannot; the old file stays.
void save(const QString& path, const ReminderTable& table);

} // namespace ListFile
