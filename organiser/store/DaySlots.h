#pragma once

#include "TDayRec.h"

#include <QByteArrayView>
#include <QDate>
#include <QString>

#include <optional>

// The date slots of a name day or holiday: "MM.DD", read as the numbers in characters 1-2 and
// 4-5, or "0" in a slot that holds no date. No year is stored: a day recurs every year.
class DaySlots {
public:
    struct MonthDay {
        int month = 0;
        int day = 0;
        bool operator==(const MonthDay&) const = default;
    };

    static bool isUnused(const QString& slot) { return slot == QLatin1String("0"); }
    // The same read from the stored bytes: only the byte "0" decodes to "0".
    static bool isUnused(QByteArrayView slot) { return slot == "0"; }

    // The slot's month and day; nothing for an unused slot. A damaged slot (letters, blanks,
    // too short) is only ever found in a damaged calendar file and counts as no date as well:
    // one bad record must not stop the lists or the announcements of all the others.
    static std::optional<MonthDay> parse(const QString& slot);
    // The same from the stored bytes, which read as their text does: no byte above 127 decodes
    // to a digit.
    static std::optional<MonthDay> parse(QByteArrayView slot);

    // True when none of the record's dates falls on today or later in today's year; a date
    // equal to today is not past, and a record without dates counts as all past.
    static bool AllDatesPast(const TDayRec& record, const QDate& today);
};
