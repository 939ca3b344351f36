// Writes the files the benchmarks start the programs over, with the organiser's own record code:
//   bench_mkdata full <folder>            3 x 1025 reminders, 2 x 1024 followed days
//   bench_mkdata due <folder> <count>     that many ticked appointments due every day
//   bench_mkdata rtf <file> <bytes>       a Rich Text Format note of about that size
//   bench_mkdata line <file> <bytes>      one line of plain text of that size
//   bench_mkdata lines <file> <bytes>     plain text of that size in lines of about 60 characters
#include "CalendarFile.h"
#include "ListFile.h"
#include "Tables.h"

#include <QDate>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <memory>

namespace {

// Far enough on both sides to make a reminder due on any day a benchmark runs.
const QString AlwaysStart = QStringLiteral("2000.01.01");
const QString AlwaysEnd = QStringLiteral("2099.12.31");

void fillReminders(ReminderTable& table, int count, std::int64_t firstId, bool ticked) {
    for (int i = 0; i < count; ++i) {
        TReminderRec& record = table[i];
        record.setID(firstId + i);
        record.setChecked(ticked);
        record.setTitle(QStringLiteral("Emlékeztető %1").arg(i + 1));
        record.setStartDate(AlwaysStart);
        record.setEndDate(AlwaysEnd);
    }
}

// Sixteen dates on every day, none of them today, so the tick compares them all and announces
// nothing.
void fillDays(DayTable& table, const QString& prefix) {
    const QDate today = QDate::currentDate();
    for (int i = DayTable::First; i <= DayTable::Last; ++i) {
        TDayRec& record = table[i];
        record.setName(prefix + QString::number(i));
        record.setSelected(true);
        for (int k = 1; k <= TDayRec::DateCount; ++k) {
            QDate date = QDate(2001, 1, 1).addDays((i * 16 + k) % 365);
            if (date.month() == today.month() && date.day() == today.day())
                date = date.addDays(1);
            record.setDate(k, date.toString(QStringLiteral("MM.dd")));
            record.setPending(k, true);
        }
    }
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

int full(const QString& folder) {
    const auto tables = std::make_unique<Tables>();
    for (const Kind kind : {Kind::Idopont, Kind::Feladat, Kind::Feljegyzes}) {
        fillReminders(tables->reminders(kind), ReminderTable::Capacity,
                      1000000 * (static_cast<int>(kind) + 1), false);
        ListFile::save(folder + Tables::fileName(kind), tables->reminders(kind));
    }
    fillDays(tables->NevnapList, QStringLiteral("Név "));
    fillDays(tables->UnnepList, QStringLiteral("Ünnep "));
    return CalendarFile::save(folder + Tables::fileName(Kind::Nevnap), tables->NevnapList) &&
                   CalendarFile::save(folder + Tables::fileName(Kind::Unnep), tables->UnnepList)
               ? 0
               : 1;
}

int due(const QString& folder, int count) {
    const auto tables = std::make_unique<Tables>();
    fillReminders(tables->IdopontList, count, 1, true);
    ListFile::save(folder + Tables::fileName(Kind::Idopont), tables->IdopontList);
    for (int i = 0; i < count; ++i) {
        if (!writeFile(folder + QStringLiteral("time/%1").arg(i + 1),
                       "Id\xF5|\xDCzenet\r\n23:59|Este\r\n"))
            return 1;
    }
    return 0;
}

// Paragraphs of accented text with runs in bold, italic, another font and a colour, as a note
// pasted from a word processor carries them.
QByteArray rtf(qsizetype size) {
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fnil\\fcharset238 Arial;}"
                     "{\\f1\\fnil\\fcharset238 Times New Roman;}}"
                     "{\\colortbl ;\\red200\\green0\\blue0;}\\viewkind4\\uc1\\pard\\f0\\fs20 ";
    for (int n = 1; out.size() < size; ++n) {
        out += "Bekezd\\'e9s " + QByteArray::number(n) + ": \\b f\\'e9lk\\'f6v\\'e9r\\b0  " +
               "\\i d\\'f5lt\\i0 , \\f1 m\\'e1sik bet\\'fbt\\'edpus\\f0  \\cf1 piros\\cf0 " +
               " \\'e1rv\\'edzt\\'fbr\\'f5 t\\'fck\\'f6rf\\'far\\'f3g\\'e9p.\\par\r\n";
    }
    return out + "}\r\n";
}

int usage() {
    std::fputs("usage: bench_mkdata full <folder> | due <folder> <count> | rtf <file> <bytes> | "
               "line|lines <file> <bytes>\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3)
        return usage();
    const QByteArray what = argv[1];
    const QString target = QString::fromLocal8Bit(argv[2]);
    const QString folder = target.endsWith(QLatin1Char('/')) ? target : target + QLatin1Char('/');
    if (what == "full")
        return full(folder);
    if (argc < 4)
        return usage();
    const qsizetype number = QByteArray(argv[3]).toLongLong();
    if (what == "due")
        return due(folder, int(number));
    if (what == "rtf")
        return writeFile(target, rtf(number)) ? 0 : 1;
    if (what == "line" || what == "lines") {
        const QByteArray words = "egy nagyon hossz\xFA sor szavai ";
        const QByteArray piece = what == "line" ? words : words + words + "\r\n";
        QByteArray text;
        text.reserve(number + piece.size());
        while (text.size() < number)
            text += piece;
        return writeFile(target, text.left(number)) ? 0 : 1;
    }
    return usage();
}
