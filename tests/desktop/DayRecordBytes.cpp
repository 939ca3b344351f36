#include "DayRecordBytes.h"

using RecordBytes::DayLayout;

DayRecordBytes::DayRecordBytes(const QByteArray& name, const QList<QByteArray>& dates,
                               bool selected)
    : m_bytes(RecordBytes::filler(Size, DayLayout::Dates, 5)) {
    RecordBytes::putDay(m_bytes, name, dates, selected);
}

DayRecordBytes& DayRecordBytes::pending(int k) {
    m_bytes[DayLayout::Pending + k - 1] = 1;
    return *this;
}
