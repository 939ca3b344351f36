#pragma once

#include "Tables.h"

#include <QDate>
#include <QString>

#include <cstdint>
#include <vector>

// What the organiser reads of one calendar's days again and again, decoded from their stored
// texts and kept beside the records: the month and day of every date slot, which the one-second
// tick compares with today, and every day's list line, which refills its page on every page
// switch. A refresh decodes again only the days whose name or dates changed since it last
// decoded them, so a refill over unchanged calendars decodes nothing.
class DayDates {
public:
    DayDates();

    // Brings the decoded dates and lines up to the table, as DaySlots::parse and
    // DayCalendar::listLine read them.
    void refresh(const DayTable& table);

    // Whether date slot k (1..16) of the day at that index falls on the date's month and day;
    // never for a day without a name.
    bool falls(int index, int k, const QDate& date) const {
        return m_dates[slot(index, k)] == packed(date.month(), date.day());
    }

    // The list line of the day at that index, as of the last refresh; empty without a name.
    const QString& line(int index) const { return m_lines[index - DayTable::First]; }

    // How many date slots of named days the refreshes have decoded so far.
    std::int64_t decodedSlots() const { return m_decodedSlots; }

private:
    static int slot(int index, int k) {
        return (index - DayTable::First) * TDayRec::DateCount + (k - 1);
    }
    // Month and day in one number; 0 for a slot without a date, which no real date gives.
    static std::uint16_t packed(int month, int day) { return std::uint16_t(month * 100 + day); }

    // The stored bytes of a day's dates and name, from the first date to the end of the name.
    static constexpr int TextsOffset = 17;
    static constexpr int TextsSize = TDayRec::Size - TextsOffset;

    std::vector<std::uint16_t> m_dates;
    std::vector<QString> m_lines;
    // The bytes each day was decoded from; a day never decoded is not valid.
    std::vector<char> m_decodedFrom;
    std::vector<bool> m_valid;
    std::int64_t m_decodedSlots = 0;
};
