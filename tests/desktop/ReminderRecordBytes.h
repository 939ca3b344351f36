#pragma once

#include "RecordBytes.h"

#include <QByteArray>

#include <cstdint>

// One record of a list file (layout: RecordBytes::ReminderLayout), built without the organiser's
// record code; every byte no field value covers holds RecordBytes' filler.
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
