#include "DaySlots.h"

namespace {

// The number written in one or two decimal digits, nothing else.
std::optional<int> number(QStringView text) {
    if (text.isEmpty())
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

} // namespace

std::optional<DaySlots::MonthDay> DaySlots::parse(const QString& slot) {
    if (isUnused(slot))
        return std::nullopt;
    const QStringView view(slot);
    const std::optional<int> month = number(view.mid(0, 2));
    const std::optional<int> day = number(view.mid(3, 2));
    if (!month || !day)
        return std::nullopt;
    return MonthDay{*month, *day};
}

bool DaySlots::AllDatesPast(const TDayRec& record, const QDate& today) {
    const int month = today.month();
    const int day = today.day();
    for (int k = 1; k <= TDayRec::DateCount; ++k) {
        const std::optional<MonthDay> date = parse(record.Date(k));
        if (date && (date->month > month || (date->month == month && date->day >= day)))
            return false;
    }
    return true;
}
