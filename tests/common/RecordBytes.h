#pragma once

#include <QByteArray>
#include <QList>
#include <QtEndian>

#include <cstdint>

// Records built byte by byte, the way the files hold them, independent of the record classes.
namespace RecordBytes {

inline void putShortString(QByteArray& bytes, int offset, const QByteArray& text) {
    bytes[offset] = char(text.size());
    for (int i = 0; i < text.size(); ++i)
        bytes[offset + 1 + i] = text[i];
}

// A 104-byte reminder record; title and dates are already Windows-1250 bytes.
inline QByteArray reminder(std::int64_t id, char checked, const QByteArray& title,
                           const QByteArray& start = {}, const QByteArray& end = {}) {
    QByteArray bytes(104, '\0');
    qToLittleEndian<qint64>(id, bytes.data());
    bytes[8] = checked;
    putShortString(bytes, 9, title);
    putShortString(bytes, 74, start);
    putShortString(bytes, 85, end);
    return bytes;
}

// A 242-byte day record with the given dates and "0" in the other slots.
inline QByteArray day(const QByteArray& name, const QList<QByteArray>& dates,
                      bool selected = false) {
    QByteArray bytes(242, '\0');
    bytes[0] = selected ? 1 : 0;
    for (int k = 1; k <= 16; ++k)
        putShortString(bytes, 17 + 6 * (k - 1), k <= dates.size() ? dates[k - 1] : "0");
    putShortString(bytes, 113, name);
    return bytes;
}

} // namespace RecordBytes
