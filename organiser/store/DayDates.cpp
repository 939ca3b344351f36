#include "DayDates.h"

#include "DayCalendar.h"
#include "DaySlots.h"

#include <cstring>

DayDates::DayDates()
    : m_dates(DayTable::Capacity * TDayRec::DateCount, 0)
    , m_lines(DayTable::Capacity)
    , m_decodedFrom(std::size_t(DayTable::Capacity) * TextsSize, 0)
    , m_valid(DayTable::Capacity, false) {
}

void DayDates::refresh(const DayTable& table) {
    for (int i = DayTable::First; i <= DayTable::Last; ++i) {
        const int at = i - DayTable::First;
        const char* stored = table[i].data() + TextsOffset;
        char* decodedFrom = m_decodedFrom.data() + std::size_t(at) * TextsSize;
        if (m_valid[at] && std::memcmp(stored, decodedFrom, TextsSize) == 0)
            continue;
        // A day without a name is passed over by every walk, and most of a calendar's records
        // are such: it keeps no dates and no line.
        const bool named = table[i].hasName();
        for (int k = 1; k <= TDayRec::DateCount; ++k) {
            const std::optional<DaySlots::MonthDay> day =
                named ? DaySlots::parse(table[i].dateBytes(k)) : std::nullopt;
            m_dates[slot(i, k)] = day ? packed(day->month, day->day) : 0;
        }
        if (named)
            m_decodedSlots += TDayRec::DateCount;
        m_lines[at] = named ? DayCalendar::listLine(table[i]) : QString();
        std::memcpy(decodedFrom, stored, TextsSize);
        m_valid[at] = true;
    }
}
