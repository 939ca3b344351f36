#pragma once

#include "RecordBytes.h"

#include <QByteArray>

#include <cstdint>

// One record of a list file (time.list, task.list, memo.list; its layout is RecordBytes::
// ReminderLayout), built byte by byte the way the file holds it, without the organiser's record
// code. Every byte that no field value covers (past a text's length, the padding) holds
// RecordBytes' filler, so that a test sees whether the organiser writes those bytes back
// unchanged.
class ReminderRecordBytes {
public:
    static constexpr int Size = RecordBytes::ReminderLayout::Size;

    // Dated 2024.01.01 to 2024.12.31, Reserved 0.
    ReminderRecordBytes(std::int64_t id, char checked, const QByteArray& title);

    ReminderRecordBytes& dates(const QByteArray& start, const QByteArray& end);
    ReminderRecordBytes& reserved(char value);
    // The same record with another Checked byte, as a writer of the tick should leave it.
    ReminderRecordBytes withChecked(char checked) const;

    const QByteArray& bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};
