#include "DaySlots.h"

#include <algorithm>

namespace {

int code(QChar c) {
    return c.unicode();
}
int code(char c) {
    return static_cast<unsigned char>(c);
}

// The number written in one or two decimal digits, nothing else.
template <typename View> std::optional<int> number(View text) {
    if (text.isEmpty())
        return std::nullopt;
    int value = 0;
    for (const auto c : text) {
        if (code(c) < '0' || code(c) > '9')
            return std::nullopt;
        value = value * 10 + (code(c) - '0');
    }
    return value;
}

// Up to n characters from pos on; none where the text is shorter.
template <typename View> View part(View text, qsizetype pos, qsizetype n) {
    if (pos >= text.size())
        return View();
    return text.sliced(pos, std::min(n, text.size() - pos));
}

template <typename View> std::optional<DaySlots::MonthDay> monthDay(View slot) {
    const std::optional<int> month = number(part(slot, 0, 2));
    const std::optional<int> day = number(part(slot, 3, 2));
    if (!month || !day)
        return std::nullopt;
    return DaySlots::MonthDay{*month, *day};
}

} // namespace

std::optional<DaySlots::MonthDay> DaySlots::parse(const QString& slot) {
    if (isUnused(slot))
        return std::nullopt;
    return monthDay(QStringView(slot));
}

std::optional<DaySlots::MonthDay> DaySlots::parse(QByteArrayView slot) {
    if (isUnused(slot))
        return std::nullopt;
    return monthDay(slot);
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
