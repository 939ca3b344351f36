#include "BackupFile.h"

#include "AtomicFile.h"
#include "CodePage.h"
#include "RunError.h"
#include "ShortString.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace BackupFile {

const char* const FirstHeader = "Zimpa V2.00 BACKUP FILE";
const char* const SecondHeader = "VERSION: 2.0.0.100";

namespace {

// A header field: the text, then zeros up to the capacity (the bytes mean nothing).
QByteArray headerField(const char* text) {
    QByteArray field(HeaderSize, '\0');
    ShortString::write(field.data(), HeaderCapacity, QByteArrayView(text));
    return field;
}

void appendRecords(QByteArray& content, const ReminderTable& table) {
    for (int i = 0; i < ReminderTable::Capacity && table[i].ID() != 0; ++i) {
        if (table[i].ID() != 1)
            content.append(table[i].data(), TReminderRec::FieldsSize);
    }
}

} // namespace

QByteArray bytes(const Tables& tables) {
    QByteArray content = headerField(FirstHeader) + headerField(SecondHeader);
    appendRecords(content, tables.IdopontList);
    appendRecords(content, tables.FeladatList);
    appendRecords(content, tables.FeljegyzesList);
    return content;
}

void save(const QString& path, const Tables& tables) {
    // Replacing is the system's creating anew, which a read-only file refuses; the atomic write
    // alone would put a new file in its place. It refuses anything but a regular file itself.
    const QFileInfo target(path);
    if (target.isFile() && !target.isWritable())
        throw RunError::io(IoCause::AccessDenied);
    const AtomicFile::Result result = AtomicFile::write(path, bytes(tables));
    if (!result.ok)
        throw result.error();
}

Header readHeader(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        throw RunError::io(IoCause::NotFound);
    QFile file(path);
    // Only a regular file: a pipe in its place would be waited on for ever. Opened for reading
    // and writing, as the run-time opens a file of bytes.
    if (!info.isFile() || !file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        throw RunError::io(IoCause::AccessDenied);
    errno = 0;
    const QByteArray headers = file.read(HeadersSize);
    if (file.error() != QFile::NoError)
        throw RunError::lastIo();
    if (headers.size() < HeadersSize)
        throw RunError::io(IoCause::ReadBeyondEnd);
    return {
        CodePage::toUnicode(ShortString::read(headers.constData(), HeaderCapacity)),
        CodePage::toUnicode(ShortString::read(headers.constData() + HeaderSize, HeaderCapacity))};
}

} // namespace BackupFile
