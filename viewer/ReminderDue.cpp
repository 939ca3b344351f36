#include "ReminderDue.h"

#include "RunError.h"
#include "StoredDate.h"
#include "TReminderRec.h"

namespace {

QDate readDate(const QString& text, const QString& shortFormat) {
    const QDate date = StoredDate::parse(text, shortFormat);
    if (!date.isValid())
        throw RunError(QStringLiteral("'%1' is not a valid date and time").arg(text));
    return date;
}

} // namespace

bool ReminderDue::isDue(const TReminderRec& record, const QDate& today,
                        const QString& shortFormat) {
    // Both dates are read before the tick is looked at: an unticked record with a damaged date
    // stops the scan as well.
    const QDate start = readDate(record.StartDate(), shortFormat);
    const QDate end = readDate(record.EndDate(), shortFormat);
    // The time of day plays no part: every day from the start to the end, both included.
    return record.Checked() && start <= today && today <= end;
}
