#include "CalendarSource.h"

#include "CodePage.h"

#include <QDate>
#include <QRegularExpression>

namespace {

bool isDateOfYear(const QString& token) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d\\d)\\.(\\d\\d)$"));
    const QRegularExpressionMatch match = pattern.match(token);
    if (!match.hasMatch())
        return false;
    // A leap year, so that 02.29 counts as a date of the year.
    return QDate(2000, match.captured(1).toInt(), match.captured(2).toInt()).isValid();
}

} // namespace

CalendarSource::Result CalendarSource::parse(const QString& text) {
    Result result;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        TDayRec record;
        const QString error = parseLine(line, record);
        if (error.isEmpty())
            result.records.append(record);
        else
            result.errors.append(QStringLiteral("line %1: %2").arg(i + 1).arg(error));
    }
    return result;
}

QString CalendarSource::parseLine(const QString& line, TDayRec& record) {
    QStringList tokens = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList dates;
    while (!tokens.isEmpty() && isDateOfYear(tokens.first()))
        dates.append(tokens.takeFirst());
    const QString name = tokens.join(QLatin1Char(' '));
    if (dates.isEmpty())
        return QStringLiteral("no date of the year (MM.DD) before the name");
    if (dates.size() > TDayRec::DateCount)
        return QStringLiteral("more than %1 dates").arg(TDayRec::DateCount);
    if (name.isEmpty())
        return QStringLiteral("no name after the dates");
    if (name.size() > TDayRec::NameCapacity)
        return QStringLiteral("the name is longer than %1 characters").arg(TDayRec::NameCapacity);
    if (CodePage::toUnicode(CodePage::fromUnicode(name)) != name)
        return QStringLiteral("the name holds a character Windows-1250 cannot store");

    for (int k = 1; k <= TDayRec::DateCount; ++k)
        record.setDate(k, k <= dates.size() ? dates[k - 1] : QStringLiteral("0"));
    record.setName(name);
    return {};
}
