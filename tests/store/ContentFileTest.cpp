#include "ContentFile.h"
#include "StoredDate.h"

#include "RunError.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

TEST(ContentFileTest, SplitTakesTheLastBar) {
    EXPECT_EQ(ContentFile::SplitField(QStringLiteral("a|b|c"), 0), QStringLiteral("a|b"));
    EXPECT_EQ(ContentFile::SplitField(QStringLiteral("a|b|c"), 1), QStringLiteral("c"));
    EXPECT_EQ(ContentFile::SplitField(QStringLiteral("|x"), 0), QString());
    EXPECT_EQ(ContentFile::SplitField(QStringLiteral("|x"), 1), QStringLiteral("x"));
    EXPECT_EQ(ContentFile::SplitField(QStringLiteral("8:00|"), 0), QStringLiteral("8:00"));
    EXPECT_EQ(ContentFile::SplitField(QStringLiteral("8:00|"), 1), QString());
    for (int part : {0, 1}) {
        EXPECT_EQ(ContentFile::SplitField(QStringLiteral("|"), part), QString());
        EXPECT_EQ(ContentFile::SplitField(QStringLiteral("no bar here"), part), QString());
    }
}

TEST(ContentFileTest, LinesEndAtLineFeedsAndLoseEveryCarriageReturn) {
    TempFolder folder;
    folder.write(QStringLiteral("f"),
                 "Id\xF5|\xDCzenet\r\n8:00|reggel\r\n\r\nx\ry|z\nutols\xF3|sor");
    const auto lines = ContentFile::readLines(folder.file(QStringLiteral("f")));
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines,
              QStringList({QStringLiteral("Idő|Üzenet"), QStringLiteral("8:00|reggel"), QString(),
                           QStringLiteral("xy|z"), QStringLiteral("utolsó|sor")}));

    folder.write(QStringLiteral("empty"), "");
    EXPECT_EQ(ContentFile::readLines(folder.file(QStringLiteral("empty")))->size(), 0);
    folder.write(QStringLiteral("one"), "|\r\n");
    EXPECT_EQ(*ContentFile::readLines(folder.file(QStringLiteral("one"))), QStringList{"|"});
    EXPECT_FALSE(ContentFile::readLines(folder.file(QStringLiteral("missing"))));
}

TEST(ContentFileTest, ReadersStopAtTheLargestTable) {
    TempFolder folder;
    QByteArray bytes;
    for (int i = 0; i < 300; ++i)
        bytes += QByteArray::number(i) + "|m\r\n";
    folder.write(QStringLiteral("long"), bytes);
    const auto lines = ContentFile::readLines(folder.file(QStringLiteral("long")));
    ASSERT_EQ(lines->size(), ContentFile::MaxLines);
    EXPECT_EQ(lines->last(), QStringLiteral("255|m"));
}

TEST(ContentFileTest, TablesAndNotesAreWrittenWithCrLfInTheCodePage) {
    const QList<TableRow> rows = {{QStringLiteral("Idő"), QStringLiteral("Üzenet")},
                                  {QStringLiteral("8:30"), QString()},
                                  {QString(), QString()},
                                  {QStringLiteral("a|b"), QStringLiteral("ő")}};
    EXPECT_EQ(ContentFile::tableBytes(rows),
              QByteArray("Id\xF5|\xDCzenet\r\n8:30|\r\n|\r\na|b|\xF5\r\n"));
    EXPECT_EQ(ContentFile::plainNoteBytes(QStringLiteral("első\nmásodik")),
              QByteArray("els\xF5\r\nm\xE1sodik\r\n"));
    EXPECT_EQ(ContentFile::plainNoteBytes(QString()), QByteArray("\r\n"));
}

TEST(ContentFileTest, WrittenTablesReadBackRowForRow) {
    TempFolder folder;
    QList<TableRow> rows;
    for (int i = 0; i < ContentFile::MaxLines; ++i)
        rows.append({QStringLiteral("%1:|%2").arg(i).arg(i), QStringLiteral("űŰ %1").arg(i)});
    folder.write(QStringLiteral("t"), ContentFile::tableBytes(rows));
    const auto lines = ContentFile::readLines(folder.file(QStringLiteral("t")));
    ASSERT_EQ(lines->size(), rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(ContentFile::SplitField(lines->at(i), 0), rows[i].time);
        EXPECT_EQ(ContentFile::SplitField(lines->at(i), 1), rows[i].message);
    }
}

TEST(ContentFileTest, PathsLieInTheKindsFolders) {
    EXPECT_EQ(ContentFile::path(QStringLiteral("/p/"), Kind::Idopont, 1765000000),
              QStringLiteral("/p/time/1765000000"));
    EXPECT_EQ(ContentFile::path(QStringLiteral("/p/"), Kind::Feljegyzes, -5),
              QStringLiteral("/p/memo/-5"));
    EXPECT_EQ(ContentFile::templatePath(QStringLiteral("/p/"), Kind::Feladat),
              QStringLiteral("/p/task/template"));
}

TEST(StoredDateTest, StoredFormFirstThenTheRegionalOne) {
    EXPECT_EQ(StoredDate::text(QDate(2026, 3, 5)), QStringLiteral("2026.03.05"));
    EXPECT_EQ(StoredDate::parse(QStringLiteral("2026.03.05"), QStringLiteral("dd/MM/yyyy")),
              QDate(2026, 3, 5));
    EXPECT_EQ(StoredDate::parse(QStringLiteral("05/03/2026"), QStringLiteral("dd/MM/yyyy")),
              QDate(2026, 3, 5));
    EXPECT_FALSE(
        StoredDate::parse(QStringLiteral("2026. 03."), QStringLiteral("yyyy. MM. dd.")).isValid());
    EXPECT_FALSE(StoredDate::parse(QString(), QStringLiteral("yyyy.MM.dd")).isValid());
}

// The regional format gives the order of day, month and year and the separators; each number
// may have more or fewer digits than the format shows.
TEST(StoredDateTest, TheRegionalFormatGivesTheOrderAndTheSeparators) {
    const auto parse = [](const char* text, const char* format) {
        return StoredDate::parse(QString::fromLatin1(text), QString::fromLatin1(format));
    };
    EXPECT_EQ(parse("3/1/2026", "M/d/yy"), QDate(2026, 3, 1));
    EXPECT_EQ(parse("1.3.26", "dd.MM.yy"), QDate(2026, 3, 1));
    EXPECT_EQ(parse(" 2026. 3. 14. ", "yyyy. MM. dd."), QDate(2026, 3, 14));
    EXPECT_EQ(parse("14/03/99", "dd/MM/yyyy"), QDate(1999, 3, 14));
    EXPECT_FALSE(parse("2026. 03.", "yyyy. MM. dd.").isValid());
    EXPECT_FALSE(parse("1-3-26", "dd.MM.yy").isValid()) << "another separator";
    EXPECT_FALSE(parse("31.2.26", "dd.MM.yy").isValid()) << "no such day";
    EXPECT_FALSE(parse("123.3.26x", "dd.MM.yy").isValid());
}
