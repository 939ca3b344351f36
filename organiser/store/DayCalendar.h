#pragma once

#include "DayDates.h"
#include "Tables.h"

#include <QDate>
#include <QString>
#include <QStringList>

// What the organiser does day by day with the name days and holidays it follows: the lines of
// the followed days, taking a day off, the announcements due today, and whose name day it is.
class DayCalendar {
public:
    // "Name - date1, date2, ...": the first slot always, the others only when in use.
    static QString listLine(const TDayRec& record);

    // The lines of the followed (selected) days, in table order.
    static QStringList followedLines(const DayTable& table);
    // The same with the table's lines decoded beforehand.
    static QStringList followedLines(const DayTable& table, const DayDates& dates);

    // Takes the followed day on that line off: the line-th selected record loses its selection.
    // A line that names no followed day changes nothing.
    static void deselect(DayTable& table, int line);

    // Every name with a slot on the date, once per matching slot, in table order.
    static QStringList namesOn(const DayTable& table, const QDate& date);
    // The same with the table's dates decoded beforehand.
    static QStringList namesOn(const DayTable& table, const DayDates& dates, const QDate& date);

    // The followed days whose announcement on the date is still due, once per due slot; the
    // slots' due flags are cleared as they are taken, so each is announced once.
    static QStringList takeDueAnnouncements(DayTable& table, const QDate& date);
    static QStringList takeDueAnnouncements(DayTable& table, const DayDates& dates,
                                            const QDate& date);

    // Names joined by ", ".
    static QString joined(const QStringList& names) { return names.join(QStringLiteral(", ")); }
};
