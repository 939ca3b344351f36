#pragma once

#include "RecordBytes.h"

#include <QByteArray>
#include <QList>

// One record of a calendar file (layout: RecordBytes::DayLayout), built without the organiser's
// record code; bytes past a text's length hold RecordBytes' filler.
class DayRecordBytes {
public:
    static constexpr int Size = RecordBytes::DayLayout::Size;

    DayRecordBytes(const QByteArray& name, const QList<QByteArray>& dates, bool selected = false);

    // Marks the announcement of date k (1 to 16) as still due.
    DayRecordBytes& pending(int k);

    const QByteArray& bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};
