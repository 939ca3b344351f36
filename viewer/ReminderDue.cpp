#include "ReminderDue.h"

#include "StoredDate.h"
#include "TReminderRec.h"

ReminderDue::Verdict ReminderDue::of(const TReminderRec& record, const QDate& today,
                                     const QString& shortFormat) {
    if (record.ID() == 0)
        return Verdict::Damaged;
    const QDate start = StoredDate::parse(record.StartDate(), shortFormat);
    const QDate end = StoredDate::parse(record.EndDate(), shortFormat);
    if (!start.isValid() || !end.isValid())
        return Verdict::Damaged;
    // The time of day plays no part: every day from the start to the end, both included.
    return record.Checked() && start <= today && today <= end ? Verdict::Due : Verdict::NotDue;
}
