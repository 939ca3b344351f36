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
        const char* texts = table[i].data() + TextsOffset;
        char* decodedFrom = m_decodedFrom.data() + std::size_t(at) * TextsSize;
        if (m_valid[at] && std::memcmp(texts, decodedFrom, TextsSize) == 0)
            continue;
        for (int k = 1; k <= TDayRec::DateCount; ++k) {
            const std::optional<DaySlots::MonthDay> day = DaySlots::parse(table[i].Date(k));
            m_dates[slot(i, k)] = day ? packed(day->month, day->day) : 0;
        }
        m_decodedSlots += TDayRec::DateCount;
        m_lines[at] = DayCalendar::listLine(table[i]);
        std::memcpy(decodedFrom, texts, TextsSize);
        m_valid[at] = true;
    }
}
