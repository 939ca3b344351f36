#pragma once

#include <QDate>
#include <QString>

#include <optional>

// The desktop's regional formats for what the user is shown: dates in the short date format, the
// clocks in the short date and long time formats. Tests set the formats they need, since the
// machine's locale differs from one test host to the next.
class RegionalFormats {
public:
    struct Formats {
        QString shortDate;
        QString longTime;
    };

    static QString shortDateFormat();
    // Without the time zone that Qt's long format carries: the clock shows the time alone.
    static QString longTimeFormat();

    // The date in the short date format, whole.
    static QString shortDateText(const QDate& date);

    // Nothing gives the system's formats back.
    static void setForTesting(std::optional<Formats> formats);
};
