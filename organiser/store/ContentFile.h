#pragma once

#include "Kind.h"
#include "TableRow.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// The body of a reminder, in a file of its own beside the program: "time/", "task/" or "memo/"
// followed by the reminder's identifier, and each kind's "template" in the same folder.
// Table files are lines of "time|message" in Windows-1250, each written with CR LF.
class ContentFile {
public:
    // No writer of ours makes a longer table, and every reader stops there.
    static constexpr int MaxLines = MaxTableRows;

    // "time/", "task/", "memo/"; empty for the day kinds.
    static QString folder(Kind kind);
    static QString path(const QString& appDir, Kind kind, std::int64_t id);
    static QString templatePath(const QString& appDir, Kind kind);

    // The part before (0) or after (1) the line's last "|"; a line without one gives two empty
    // parts. Nothing in a line is escaped, so only the time may hold a "|".
    static QString SplitField(const QString& line, int part);

    // The file's lines, at most MaxLines: a line ends at a line feed and a carriage return is
    // never part of its text. Nothing when the file cannot be opened; a failed read raises the
    // run-time error.
    static std::optional<QStringList> readLines(const QString& path);

    // The whole file as text, for notes.
    static std::optional<QByteArray> readBytes(const QString& path);

    // Rows as the lines of a table file.
    static QByteArray tableBytes(const QList<TableRow>& rows);

    // A note's plain form: its lines joined and ended by CR LF.
    static QByteArray plainNoteBytes(const QString& text);
};
