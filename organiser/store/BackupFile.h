#pragma once

#include "Tables.h"

#include <QByteArray>
#include <QString>

// The backup file (".zbck"): two 33-byte headers, then the first 97 bytes of every reminder
// record of the appointments, the tasks and the notes, in that order. No count, no trailer.
namespace BackupFile {

constexpr int HeaderSize = 33;
constexpr int HeaderCapacity = 32;
constexpr int HeadersSize = 2 * HeaderSize;

// The texts the export writes into the two headers.
extern const char* const FirstHeader;  // "Zimpa V2.00 BACKUP FILE"
extern const char* const SecondHeader; // "VERSION: 2.0.0.100"

// The bytes an export stores. Each table is walked from index 0 up to its first ID 0 (or its
// end); a record whose ID is 1 is passed over.
QByteArray bytes(const Tables& tables);

// Replaces the file with bytes(tables), never leaving it half-written. Raises RunError with the
// run-time's text when it cannot ("File access denied" for a read-only file or a folder in its
// place, "Disk full", ...); the old file then stays as it was.
void save(const QString& path, const Tables& tables);

// The texts of the two headers, whatever the file holds after them; a length byte above 32 is
// read as 32.
struct Header {
    QString first;
    QString second;
};

// Raises RunError "File not found", "File access denied" or "Read beyond end of file" (a file
// shorter than the two headers).
Header readHeader(const QString& path);

} // namespace BackupFile
