#pragma once

#include "Tables.h"

#include <QDate>

#include <array>
#include <cstdint>

// The dates of one calendar's days, decoded from their texts once and kept beside the records.
// The one-second tick compares every date of both calendars with today; decoding the sixteen
// texts of every day on every tick was most of an idle organiser's processor time.
class DayDates {
public:
    // Decodes the dates of every day of the table, as DaySlots::parse reads them.
    void refresh(const DayTable& table);

    // Whether date slot k (1..16) of the day at that index falls on the date's month and day.
    bool falls(int index, int k, const QDate& date) const {
        return m_dates[slot(index, k)] == packed(date.month(), date.day());
    }

private:
    static int slot(int index, int k) {
        return (index - DayTable::First) * TDayRec::DateCount + (k - 1);
    }
    // Month and day in one number; 0 for a slot without a date, which no real date gives.
    static std::uint16_t packed(int month, int day) { return std::uint16_t(month * 100 + day); }

    std::array<std::uint16_t, DayTable::Capacity * TDayRec::DateCount> m_dates{};
};
