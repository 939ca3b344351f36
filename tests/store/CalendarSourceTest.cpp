#include "CalendarSource.h"
#include "CalendarFile.h"
#include "RecordBytes.h"

#include <QDate>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <memory>

TEST(CalendarSource, LinesBecomeDayRecords) {
    const auto result = CalendarSource::parse(QStringLiteral(
        "# comment\n\n01.21 01.28 Ágnes\n  03.15 Nemzeti ünnep (az 1848-as forradalom)  \n"));
    ASSERT_TRUE(result.errors.isEmpty()) << result.errors.join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(result.records.size(), 2);
    EXPECT_EQ(QByteArray(result.records[0].data(), 242),
              RecordBytes::day("\xC1gnes", {"01.21", "01.28"}));
    EXPECT_EQ(result.records[1].Name(), QStringLiteral("Nemzeti ünnep (az 1848-as forradalom)"));
}

TEST(CalendarSource, BadLinesAreReportedWithTheirNumbers) {
    QString seventeen;
    for (int i = 1; i <= 17; ++i)
        seventeen += QStringLiteral("01.%1 ").arg(i, 2, 10, QLatin1Char('0'));
    const auto result = CalendarSource::parse(QStringLiteral("Nevdatum nelkul\n02.30 Rossz\n") +
                                              seventeen + QStringLiteral("Sok\n05.05\n06.06 Ŵ\n"));
    EXPECT_TRUE(result.records.isEmpty());
    ASSERT_EQ(result.errors.size(), 5);
    EXPECT_TRUE(result.errors[0].startsWith(QStringLiteral("line 1:")));
    EXPECT_TRUE(result.errors[1].startsWith(QStringLiteral("line 2:"))); // no 30th of February
    EXPECT_TRUE(result.errors[4].contains(QStringLiteral("Windows-1250")));
}

// The calendars the program folder is delivered with: every record named, every slot a date of
// the year or "0", the used slots first.
class DeliveredCalendar : public ::testing::TestWithParam<const char*> {};

TEST_P(DeliveredCalendar, HoldsWellFormedRecords) {
    auto table = std::make_unique<DayTable>();
    const QString path = QStringLiteral(ZIMPA_DIST_DIR "/") + QLatin1String(GetParam());
    ASSERT_EQ(CalendarFile::load(path, *table), CalendarFile::LoadResult::Loaded);
    const QRegularExpression date(QStringLiteral("^(\\d\\d)\\.(\\d\\d)$"));
    int count = 0;
    for (int i = DayTable::First; i <= DayTable::Last && (*table)[i].hasName(); ++i, ++count) {
        const TDayRec& record = (*table)[i];
        bool unused = false;
        for (int k = 1; k <= TDayRec::DateCount; ++k) {
            const QString text = record.Date(k);
            if (text == QLatin1String("0")) {
                unused = true;
                continue;
            }
            const auto match = date.match(text);
            ASSERT_TRUE(match.hasMatch() && !unused) << record.Name().toStdString();
            EXPECT_TRUE(
                QDate(2000, match.captured(1).toInt(), match.captured(2).toInt()).isValid());
        }
        EXPECT_FALSE(record.Selected());
    }
    EXPECT_GT(count, 0);
    EXPECT_EQ(CalendarFile::bytes(*table).size(), count * TDayRec::Size);
}

INSTANTIATE_TEST_SUITE_P(Files, DeliveredCalendar, ::testing::Values("nevnap.data", "unnep.data"));

TEST(DeliveredCalendar, KnowsWellKnownDays) {
    auto names = std::make_unique<DayTable>();
    ASSERT_EQ(CalendarFile::load(QStringLiteral(ZIMPA_DIST_DIR "/nevnap.data"), *names),
              CalendarFile::LoadResult::Loaded);
    QStringList istvan;
    for (int i = DayTable::First; (*names)[i].hasName(); ++i) {
        if ((*names)[i].Name() == QStringLiteral("István"))
            for (int k = 1; k <= 16 && (*names)[i].Date(k) != QLatin1String("0"); ++k)
                istvan << (*names)[i].Date(k);
    }
    EXPECT_TRUE(istvan.contains(QStringLiteral("08.20")));
    EXPECT_TRUE(istvan.contains(QStringLiteral("12.26")));
}
