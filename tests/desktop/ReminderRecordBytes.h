#pragma once

#include <QByteArray>

#include <cstdint>

// One record of a list file (time.list, task.list, memo.list), built byte by byte the way the
// file holds it, without the organiser's record code:
//
//    0  ID         signed 64-bit, little-endian
//    8  Checked    one byte, any value; not 0 means ticked
//    9  Title      length byte + 64 bytes, Windows-1250
//   74  StartDate  length byte + 10 bytes
//   85  EndDate    length byte + 10 bytes
//   96  Reserved   one byte
//   97  padding    7 bytes
//
// Every byte that no field value covers (past a text's length, the padding) holds a filler that
// differs from byte to byte, like what a real file carries over from earlier contents, so that a
// test sees whether the organiser writes those bytes back unchanged.
class ReminderRecordBytes {
public:
    static constexpr int Size = 104;

    ReminderRecordBytes(std::int64_t id, char checked, const QByteArray& title);

    ReminderRecordBytes& dates(const QByteArray& start, const QByteArray& end);
    ReminderRecordBytes& reserved(char value);
    // The same record with another Checked byte, as a writer of the tick should leave it.
    ReminderRecordBytes withChecked(char checked) const;

    const QByteArray& bytes() const { return m_bytes; }

private:
    void putShortString(int offset, int capacity, const QByteArray& text);

    QByteArray m_bytes;
};
