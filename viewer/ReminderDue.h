#pragma once

#include <QDate>
#include <QString>

class TReminderRec;

// Which stored reminders the start-up scan opens: the ticked ones whose day range holds today.
class ReminderDue {
public:
    enum class Verdict {
        Due,
        NotDue,
        // No reminder can be made of the record: no identifier, or a date that does not read.
        Damaged,
    };

    // Dates are read in their stored form first and in the regional short format second.
    static Verdict of(const TReminderRec& record, const QDate& today, const QString& shortFormat);
};
