#include "DayDates.h"

#include "DaySlots.h"

void DayDates::refresh(const DayTable& table) {
    for (int i = DayTable::First; i <= DayTable::Last; ++i) {
        for (int k = 1; k <= TDayRec::DateCount; ++k) {
            const std::optional<DaySlots::MonthDay> day = DaySlots::parse(table[i].Date(k));
            m_dates[slot(i, k)] = day ? packed(day->month, day->day) : 0;
        }
    }
}
