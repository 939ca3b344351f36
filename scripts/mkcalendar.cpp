// Build tool: turns the readable calendar source under resources/calendar/ into the calendar file
// the organiser reads (day records in Windows-1250).
//
//   mkcalendar SOURCE.txt OUTPUT.data

#include "AtomicFile.h"
#include "CalendarSource.h"
#include "TDayRec.h"
#include "Tables.h"

#include <QFile>
#include <QStringDecoder>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: mkcalendar SOURCE OUTPUT\n");
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(source.errorString()));
        return 1;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(source.readAll());
    if (utf8.hasError()) {
        std::fprintf(stderr, "%s: not UTF-8 text\n", argv[1]);
        return 1;
    }

    const CalendarSource::Result result = CalendarSource::parse(text);
    for (const QString& error : result.errors)
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(error));
    if (!result.errors.isEmpty())
        return 1;
    if (result.records.size() > DayTable::Capacity) {
        std::fprintf(stderr, "%s: more than %d days\n", argv[1], DayTable::Capacity);
        return 1;
    }

    QByteArray bytes;
    for (const TDayRec& record : result.records)
        bytes.append(record.data(), TDayRec::Size);
    const AtomicFile::Result written = AtomicFile::write(QString::fromLocal8Bit(argv[2]), bytes);
    if (!written.ok) {
        std::fprintf(stderr, "%s: %s\n", argv[2], std::strerror(written.errorNumber));
        return 1;
    }
    return 0;
}
