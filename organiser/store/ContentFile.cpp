#include "ContentFile.h"

#include "CodePage.h"
#include "RegularFile.h"
#include "ReminderId.h"
#include "RunError.h"

QString ContentFile::folder(Kind kind) {
    switch (kind) {
    case Kind::Idopont:
        return QStringLiteral("time/");
    case Kind::Feladat:
        return QStringLiteral("task/");
    case Kind::Feljegyzes:
        return QStringLiteral("memo/");
    default:
        return {};
    }
}

QString ContentFile::path(const QString& appDir, Kind kind, std::int64_t id) {
    return appDir + folder(kind) + ReminderId::text(id);
}

QString ContentFile::templatePath(const QString& appDir, Kind kind) {
    return appDir + folder(kind) + QStringLiteral("template");
}

QString ContentFile::SplitField(const QString& line, int part) {
    const qsizetype bar = line.lastIndexOf(QLatin1Char('|'));
    if (bar < 0)
        return {};
    return part == 0 ? line.left(bar) : line.mid(bar + 1);
}

std::optional<QByteArray> ContentFile::readBytes(const QString& path) {
    RegularFile::Read read = RegularFile::read(path);
    if (!read.opened)
        return std::nullopt;
    if (!read.ok())
        throw read.error();
    return std::move(read.bytes);
}

std::optional<QStringList> ContentFile::readLines(const QString& path) {
    const std::optional<QByteArray> content = readBytes(path);
    if (!content)
        return std::nullopt;
    QStringList lines;
    qsizetype start = 0;
    while (start < content->size() && lines.size() < MaxLines) {
        qsizetype end = content->indexOf('\n', start);
        if (end < 0)
            end = content->size();
        QByteArray line = content->mid(start, end - start);
        line.replace('\r', QByteArray());
        lines.append(CodePage::toUnicode(line));
        start = end + 1;
    }
    return lines;
}

QByteArray ContentFile::tableBytes(const QList<TableRow>& rows) {
    QByteArray bytes;
    for (const TableRow& row : rows) {
        bytes += CodePage::fromUnicode(row.time + QLatin1Char('|') + row.message);
        bytes += "\r\n";
    }
    return bytes;
}

QByteArray ContentFile::plainNoteBytes(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return CodePage::fromUnicode(lines) + "\r\n";
}
