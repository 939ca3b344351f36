#pragma once

#include <QDate>
#include <QString>

class TReminderRec;

// Which stored reminders the start-up scan opens: the ticked ones whose day range holds today.
class ReminderDue {
public:
    // Dates are read in their stored form first and in the regional short format second. A date
    // that reads in neither is the run-time's conversion error (RunError), which ends the scan.
    static bool isDue(const TReminderRec& record, const QDate& today, const QString& shortFormat);
};
