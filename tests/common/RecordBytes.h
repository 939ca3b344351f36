#pragma once

#include <QByteArray>
#include <QList>
#include <QtEndian>

#include <cstdint>
#include <stdexcept>

// Records built byte by byte, the way the files hold them, independent of the record classes.
namespace RecordBytes {

// One record of a list file (time.list, task.list, memo.list); texts are a length byte and
// Windows-1250 bytes.
struct ReminderLayout {
    static constexpr int Size = 104;  // the last 7 bytes are padding
    static constexpr int Checked = 8; // after the ID, signed 64-bit little-endian; not 0: ticked
    static constexpr int Title = 9;
    static constexpr int TitleLength = 64;
    static constexpr int StartDate = 74;
    static constexpr int EndDate = 85;
    static constexpr int DateLength = 10;
    static constexpr int Reserved = 96; // one byte
};

// One record of a calendar file (nevnap.data, unnep.data), after its first byte, "followed".
struct DayLayout {
    static constexpr int Size = 242;
    static constexpr int Pending = 1; // a byte per date: its announcement is still due
    static constexpr int Dates = 17;  // "MM.DD" or "0"
    static constexpr int DateCount = 16;
    static constexpr int DateLength = 5;
    static constexpr int Name = 113; // empty ends the used records
    static constexpr int NameLength = 128;
};

// A length byte and the text after it.
inline void putShortString(QByteArray& bytes, int offset, int capacity, const QByteArray& text) {
    // A longer text would run into the next field: a fault in the test, not in the program.
    if (text.size() > capacity)
        throw std::length_error("text longer than its field");
    bytes[offset] = char(text.size());
    for (int i = 0; i < text.size(); ++i)
        bytes[offset + 1 + i] = text[i];
}

// A filler for the bytes from `from` on that differs from byte to byte, like what a real file
// carries over from earlier contents, so that a test sees whether bytes no field covers are
// written back unchanged. The bytes before `from` are 0.
inline QByteArray filler(int size, int from, int step) {
    QByteArray bytes(size, '\0');
    for (int i = from; i < size; ++i)
        bytes[i] = char(0x80 | (i * step % 0x7F));
    return bytes;
}

inline void putReminderDates(QByteArray& bytes, const QByteArray& start, const QByteArray& end) {
    putShortString(bytes, ReminderLayout::StartDate, ReminderLayout::DateLength, start);
    putShortString(bytes, ReminderLayout::EndDate, ReminderLayout::DateLength, end);
}

// The fields of a reminder record written over `bytes` (ReminderLayout::Size long); the bytes
// past the texts keep what they hold. Title and dates are already Windows-1250 bytes.
inline void putReminder(QByteArray& bytes, std::int64_t id, char checked, const QByteArray& title,
                        const QByteArray& start, const QByteArray& end) {
    qToLittleEndian<qint64>(id, bytes.data());
    bytes[ReminderLayout::Checked] = checked;
    putShortString(bytes, ReminderLayout::Title, ReminderLayout::TitleLength, title);
    putReminderDates(bytes, start, end);
}

// A 104-byte reminder record with 0 in every byte no field covers.
inline QByteArray reminder(std::int64_t id, char checked, const QByteArray& title,
                           const QByteArray& start = {}, const QByteArray& end = {}) {
    QByteArray bytes(ReminderLayout::Size, '\0');
    putReminder(bytes, id, checked, title, start, end);
    return bytes;
}

// The fields of a day record written over `bytes` (DayLayout::Size long): the given dates and
// "0" in the other slots; the pending bytes and the bytes past the texts keep what they hold.
inline void putDay(QByteArray& bytes, const QByteArray& name, const QList<QByteArray>& dates,
                   bool selected) {
    bytes[0] = selected ? 1 : 0;
    for (int k = 1; k <= DayLayout::DateCount; ++k)
        putShortString(bytes, DayLayout::Dates + (DayLayout::DateLength + 1) * (k - 1),
                       DayLayout::DateLength, k <= dates.size() ? dates[k - 1] : "0");
    putShortString(bytes, DayLayout::Name, DayLayout::NameLength, name);
}

// A 242-byte day record with 0 in every byte no field covers.
inline QByteArray day(const QByteArray& name, const QList<QByteArray>& dates,
                      bool selected = false) {
    QByteArray bytes(DayLayout::Size, '\0');
    putDay(bytes, name, dates, selected);
    return bytes;
}

} // namespace RecordBytes
