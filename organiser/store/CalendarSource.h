#pragma once

#include "TDayRec.h"

#include <QList>
#include <QString>
#include <QStringList>

// The readable source of a delivered calendar file: UTF-8 text, one name or holiday a line, its
// dates of the year first ("01.21 01.28 Ágnes"). Lines starting with "#" and empty lines are
// skipped. Each line becomes one day record, nothing selected or pending, unused date slots "0".
class CalendarSource {
public:
    struct Result {
        QList<TDayRec> records;
        QStringList errors; // "line N: reason", one for each line that was refused
    };

    static Result parse(const QString& text);

private:
    static QString parseLine(const QString& line, TDayRec& record);
};
