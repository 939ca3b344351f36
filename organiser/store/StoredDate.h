#pragma once

#include <QDate>
#include <QString>

// A reminder's start and end dates as its record stores them: always the ten characters
// "yyyy.MM.dd", whatever the regional settings, so that every date can be read back. Records
// written with a regional short format are still read, through that format.
class StoredDate {
public:
    static constexpr int Length = 10;

    static QString text(const QDate& date);

    // The stored form first, then the given short date format, read by its order of day, month
    // and year and its separators, each number with one digit or more (a year with up to four);
    // an invalid date when neither fits. A year of one or two digits is taken in the century
    // that puts it nearest to today.
    static QDate parse(const QString& text, const QString& shortFormat);
};
