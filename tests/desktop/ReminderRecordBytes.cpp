#include "ReminderRecordBytes.h"

using RecordBytes::ReminderLayout;

ReminderRecordBytes::ReminderRecordBytes(std::int64_t id, char checked, const QByteArray& title)
    : m_bytes(RecordBytes::filler(Size, 0, 7)) {
    RecordBytes::putReminder(m_bytes, id, checked, title, "2024.01.01", "2024.12.31");
    m_bytes[ReminderLayout::Reserved] = 0;
}

ReminderRecordBytes& ReminderRecordBytes::dates(const QByteArray& start, const QByteArray& end) {
    RecordBytes::putReminderDates(m_bytes, start, end);
    return *this;
}

ReminderRecordBytes& ReminderRecordBytes::reserved(char value) {
    m_bytes[ReminderLayout::Reserved] = value;
    return *this;
}

ReminderRecordBytes ReminderRecordBytes::withChecked(char checked) const {
    ReminderRecordBytes copy = *this;
    copy.m_bytes[ReminderLayout::Checked] = checked;
    return copy;
}
