#include "StoredDate.h"

#include "Clock.h"

#include <optional>

namespace {

const QString storedFormat = QStringLiteral("yyyy.MM.dd");

enum class Field { Day, Month, Year };

// What the short format says of a date's text: the order of its three numbers and the text
// around and between them, blanks left out, as the desktop's date reading compares them.
struct Pattern {
    Field order[3];
    QString literals[4]; // before the first number, between them, after the last
};

bool isBlank(QChar ch) {
    return ch == QLatin1Char(' ') || ch == QLatin1Char('\t');
}

// The pattern of a format of numbers alone; none for one with day or month names, or without
// all three fields.
std::optional<Pattern> patternOf(const QString& format) {
    Pattern pattern;
    int fields = 0;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar ch = format[i];
        if (ch == QLatin1Char('\'')) {
            quoted = !quoted;
            continue;
        }
        const bool field =
            !quoted && (ch == QLatin1Char('d') || ch == QLatin1Char('M') || ch == QLatin1Char('y'));
        if (!field) {
            if (!isBlank(ch))
                pattern.literals[fields] += ch;
            continue;
        }
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run] == ch)
            ++run;
        i += run - 1;
        if (fields == 3 || (ch != QLatin1Char('y') && run > 2))
            return std::nullopt;
        pattern.order[fields++] = ch == QLatin1Char('d')   ? Field::Day
                                  : ch == QLatin1Char('M') ? Field::Month
                                                           : Field::Year;
    }
    if (fields != 3)
        return std::nullopt;
    return pattern;
}

// A year written with one or two digits is the one of that ending nearest to this year, so
// that a reminder written "24" is due in 2024, not 1924.
int fullYear(int year, qsizetype digits) {
    if (digits > 2)
        return year;
    const int thisYear = Clock::now().date().year();
    year += 1900;
    while (year < thisYear - 50)
        year += 100;
    return year;
}

// The text by the pattern: each number of one or two digits, the year of up to four, the
// literals where the pattern has them (the one after the last number may be left out).
QDate readByPattern(const QString& text, const Pattern& pattern) {
    QString squeezed;
    for (const QChar ch : text) {
        if (!isBlank(ch))
            squeezed += ch;
    }
    int values[3] = {}; // by field
    qsizetype pos = 0;
    for (int field = 0; field < 3; ++field) {
        if (!squeezed.sliced(pos).startsWith(pattern.literals[field]))
            return {};
        pos += pattern.literals[field].size();
        const qsizetype start = pos;
        while (pos < squeezed.size() && squeezed[pos].isDigit() && squeezed[pos].unicode() < 128)
            ++pos;
        const qsizetype digits = pos - start;
        const qsizetype most = pattern.order[field] == Field::Year ? 4 : 2;
        if (digits == 0 || digits > most)
            return {};
        const int value = squeezed.sliced(start, digits).toInt();
        values[int(pattern.order[field])] =
            pattern.order[field] == Field::Year ? fullYear(value, digits) : value;
    }
    const QString rest = squeezed.sliced(pos);
    if (!rest.isEmpty() && rest != pattern.literals[3])
        return {};
    return QDate(values[int(Field::Year)], values[int(Field::Month)], values[int(Field::Day)]);
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
    if (const std::optional<Pattern> pattern = patternOf(shortFormat))
        return readByPattern(trimmed, *pattern);
    // A format with day or month names is read as it is written.
    return QDate::fromString(trimmed, shortFormat);
}
