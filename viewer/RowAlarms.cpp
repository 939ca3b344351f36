#include "RowAlarms.h"

namespace {

int minuteOf(const QTime& time) {
    return time.hour() * 60 + time.minute();
}

std::optional<int> number(QStringView digits, int below) {
    if (digits.isEmpty() || digits.size() > 2)
        return std::nullopt;
    int value = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    if (value >= below)
        return std::nullopt;
    return value;
}

} // namespace

void RowAlarms::arm(int row, const QString& time) {
    if (row >= 0 && row < Slots)
        m_slots[row] = time;
}

QString RowAlarms::slot(int row) const {
    return row >= 0 && row < Slots ? m_slots[row] : QString();
}

std::optional<QString> RowAlarms::take(int row, const QDateTime& now) {
    if (row < 0 || row >= Slots || m_slots[row].isEmpty())
        return std::nullopt;
    const std::optional<int> minute = minuteOfDay(m_slots[row]);
    if (!minute || *minute < firstDueMinute(now) || *minute > minuteOf(now.time()))
        return std::nullopt;
    const QString time = m_slots[row];
    m_slots[row].clear();
    return time;
}

void RowAlarms::checkedAt(const QDateTime& now) {
    m_lastCheck = now;
}

int RowAlarms::firstDueMinute(const QDateTime& now) const {
    const int current = minuteOf(now.time());
    // Before the first check, and after the clock was set back, only the clock's own minute is
    // reached: a row whose time is already past when it is armed does not fire.
    if (!m_lastCheck.isValid() || m_lastCheck > now)
        return current;
    // The day changed since: every minute of today up to now was skipped.
    if (m_lastCheck.date() != now.date())
        return 0;
    // The minute of the last check was looked at then; a row armed again within it is due again.
    return std::min(minuteOf(m_lastCheck.time()) + 1, current);
}

std::optional<int> RowAlarms::minuteOfDay(QStringView text) {
    const QStringView trimmed = text.trimmed();
    qsizetype separator = trimmed.indexOf(u':');
    if (separator < 0)
        separator = trimmed.indexOf(u'.');
    if (separator < 0)
        return std::nullopt;
    const std::optional<int> hour = number(trimmed.first(separator), 24);
    const std::optional<int> minute = number(trimmed.sliced(separator + 1), 60);
    if (!hour || !minute)
        return std::nullopt;
    return *hour * 60 + *minute;
}
