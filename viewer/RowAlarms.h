#pragma once

#include "TableRow.h"

#include <QDateTime>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// The pending alarms of the rows of a shown table: one slot per row, the header row 0 included,
// holding the row's time text while its alarm is pending and nothing once it has fired.
//
// A row is due when its hour and minute, read as numbers, are those of the clock ("8:00",
// "08:00" and "8:0" are all eight o'clock). A minute that the clock skipped since the last check
// (a suspended machine, a tick held up by a fade) is still due at the next check on the same
// day, so that no alarm of the day is lost; an alarm fires once, as its slot empties.
class RowAlarms {
public:
    static constexpr int Slots = MaxTableRows;

    // Arms the row with its time text; an empty text leaves no alarm pending. Rows past the
    // slots have none.
    void arm(int row, const QString& time);
    // The slot's text: the time of a pending alarm, empty when none is pending.
    QString slot(int row) const;

    // When the row's alarm is due at the moment: its slot's text, and the slot emptied.
    std::optional<QString> take(int row, const QDateTime& now);

    // Every row has been looked at for this moment: the next check starts after it.
    void checkedAt(const QDateTime& now);

    // Minutes since midnight of an "hour:minute" text (a point may stand for the colon, blanks
    // around it are ignored); nothing for a text that is no time of day.
    static std::optional<int> minuteOfDay(QStringView text);

private:
    // The first minute of today that counts as reached at this moment.
    int firstDueMinute(const QDateTime& now) const;

    std::array<QString, Slots> m_slots;
    QDateTime m_lastCheck;
};
