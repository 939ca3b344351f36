#pragma once

#include <QByteArray>
#include <QList>

// One record of a calendar file (nevnap.data, unnep.data), built byte by byte the way the file
// holds it, without the organiser's record code:
//
//     0  Selected  one byte: the user follows this day
//     1  Pending   16 bytes, one per date: its announcement is still due
//    17  Dates     16 times length byte + 5 bytes, "MM.DD" or "0"
//   113  Name      length byte + 128 bytes, Windows-1250; empty ends the used records
//
// Bytes past a text's length hold a filler that differs from byte to byte, so that a test sees
// whether they are written back unchanged.
class DayRecordBytes {
public:
    static constexpr int Size = 242;

    DayRecordBytes(const QByteArray& name, const QList<QByteArray>& dates, bool selected = false);

    // Marks the announcement of date k (1 to 16) as still due.
    DayRecordBytes& pending(int k);

    const QByteArray& bytes() const { return m_bytes; }

private:
    void putShortString(int offset, const QByteArray& text);

    QByteArray m_bytes;
};
