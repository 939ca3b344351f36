#include "RegionalFormats.h"

#include <QLocale>

namespace {

std::optional<RegionalFormats::Formats>& injected() {
    static std::optional<RegionalFormats::Formats> value;
    return value;
}

// Drops the time-zone letters outside quoted text, and the blanks they leave at either end.
QString withoutTimeZone(const QString& format) {
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        else if (!quoted && c == QLatin1Char('t'))
            continue;
        result += c;
    }
    return result.trimmed();
}

} // namespace

QString RegionalFormats::shortDateFormat() {
    if (injected())
        return injected()->shortDate;
    return QLocale::system().dateFormat(QLocale::ShortFormat);
}

QString RegionalFormats::longTimeFormat() {
    if (injected())
        return injected()->longTime;
    return withoutTimeZone(QLocale::system().timeFormat(QLocale::LongFormat));
}

QString RegionalFormats::shortDateText(const QDate& date) {
    return QLocale::system().toString(date, shortDateFormat());
}

void RegionalFormats::setForTesting(std::optional<Formats> formats) {
    injected() = std::move(formats);
}
