#include "ReminderRecordBytes.h"

#include <QtEndian>

#include <stdexcept>

ReminderRecordBytes::ReminderRecordBytes(std::int64_t id, char checked, const QByteArray& title)
    : m_bytes(Size, '\0') {
    for (int i = 0; i < Size; ++i)
        m_bytes[i] = char(0x80 | (i * 7 % 0x7F));
    qToLittleEndian<qint64>(id, m_bytes.data());
    m_bytes[8] = checked;
    putShortString(9, 64, title);
    putShortString(74, 10, "2024.01.01");
    putShortString(85, 10, "2024.12.31");
    m_bytes[96] = 0;
}

void ReminderRecordBytes::putShortString(int offset, int capacity, const QByteArray& text) {
    // A longer text would run into the next field: a fault in the test, not in the organiser.
    if (text.size() > capacity)
        throw std::length_error("text longer than its field");
    m_bytes[offset] = char(text.size());
    for (int i = 0; i < text.size(); ++i)
        m_bytes[offset + 1 + i] = text[i];
}

ReminderRecordBytes& ReminderRecordBytes::dates(const QByteArray& start, const QByteArray& end) {
    putShortString(74, 10, start);
    putShortString(85, 10, end);
    return *this;
}

ReminderRecordBytes& ReminderRecordBytes::reserved(char value) {
    m_bytes[96] = value;
    return *this;
}

ReminderRecordBytes ReminderRecordBytes::withChecked(char checked) const {
    ReminderRecordBytes copy = *this;
    copy.m_bytes[8] = checked;
    return copy;
}
