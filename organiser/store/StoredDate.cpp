#include "StoredDate.h"

#include "Clock.h"

#include <algorithm>

namespace {

const QString storedFormat = QStringLiteral("yyyy.MM.dd");

// Whether the format's year has two digits: its longest run of "y" outside quoted text.
bool hasTwoDigitYear(const QString& format) {
    int longest = 0;
    int run = 0;
    bool quoted = false;
    for (const QChar ch : format) {
        if (ch == QLatin1Char('\''))
            quoted = !quoted;
        run = (!quoted && ch == QLatin1Char('y')) ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest == 2;
}

// The toolkit reads a two-digit year as 19xx. The regional settings mean the year of that
// ending nearest to this one, so that a reminder written "24" is due in 2024, not 1924.
QDate inNearestCentury(const QDate& date) {
    const int thisYear = Clock::now().date().year();
    int year = date.year();
    while (year < thisYear - 50)
        year += 100;
    return QDate(year, date.month(), date.day());
}

} // namespace

QString StoredDate::text(const QDate& date) {
    return date.toString(storedFormat);
}

QDate StoredDate::parse(const QString& text, const QString& shortFormat) {
    const QString trimmed = text.trimmed();
    const QDate stored = QDate::fromString(trimmed, storedFormat);
    if (stored.isValid())
        return stored;
    const QDate regional = QDate::fromString(trimmed, shortFormat);
    if (regional.isValid() && hasTwoDigitYear(shortFormat))
        return inNearestCentury(regional);
    return regional;
}
