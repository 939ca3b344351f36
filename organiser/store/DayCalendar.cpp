#include "DayCalendar.h"

#include "CodePage.h"
#include "DaySlots.h"

#include <memory>

namespace {

std::unique_ptr<DayDates> decoded(const DayTable& table) {
    auto dates = std::make_unique<DayDates>();
    dates->refresh(table);
    return dates;
}

} // namespace

QString DayCalendar::listLine(const TDayRec& record) {
    // Decoded straight into one buffer: a thousand lines are made whenever a calendar is loaded.
    QString line;
    line.reserve(record.nameBytes().size() + 3 + 7 * TDayRec::DateCount);
    CodePage::append(line, record.nameBytes());
    line.append(u" - ");
    CodePage::append(line, record.dateBytes(1));
    for (int k = 2; k <= TDayRec::DateCount; ++k) {
        if (!DaySlots::isUnused(record.dateBytes(k))) {
            line.append(u", ");
            CodePage::append(line, record.dateBytes(k));
        }
    }
    return line;
}

QStringList DayCalendar::followedLines(const DayTable& table) {
    return followedLines(table, *decoded(table));
}

QStringList DayCalendar::followedLines(const DayTable& table, const DayDates& dates) {
    QStringList lines;
    for (int i = DayTable::First; i <= DayTable::Last; ++i) {
        if (table[i].hasName() && table[i].Selected())
            lines.append(dates.line(i));
    }
    return lines;
}

void DayCalendar::deselect(DayTable& table, int line) {
    if (line < 0)
        return;
    // Listing and taking off use one test, so the record taken off is the one on that line.
    int count = 0;
    for (int i = DayTable::First; i <= DayTable::Last; ++i) {
        if (!table[i].hasName() || !table[i].Selected())
            continue;
        if (count++ == line) {
            table[i].setSelected(false);
            return;
        }
    }
}

QStringList DayCalendar::namesOn(const DayTable& table, const QDate& date) {
    return namesOn(table, *decoded(table), date);
}

QStringList DayCalendar::namesOn(const DayTable& table, const DayDates& dates, const QDate& date) {
    QStringList names;
    for (int i = DayTable::First; i <= DayTable::Last; ++i) {
        if (!table[i].hasName())
            continue;
        for (int k = 1; k <= TDayRec::DateCount; ++k) {
            if (dates.falls(i, k, date))
                names.append(table[i].Name());
        }
    }
    return names;
}

QStringList DayCalendar::takeDueAnnouncements(DayTable& table, const QDate& date) {
    return takeDueAnnouncements(table, *decoded(table), date);
}

QStringList DayCalendar::takeDueAnnouncements(DayTable& table, const DayDates& dates,
                                              const QDate& date) {
    QStringList names;
    for (int i = DayTable::First; i <= DayTable::Last; ++i) {
        TDayRec& record = table[i];
        if (!record.hasName())
            continue;
        for (int k = 1; k <= TDayRec::DateCount; ++k) {
            if (record.Selected() && record.Pending(k) && dates.falls(i, k, date)) {
                record.setPending(k, false);
                names.append(record.Name());
            }
        }
    }
    return names;
}
