#include "DaySlots.h"
#include "CodePage.h"
#include "RegionalFormats.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

TDayRec dayWith(std::initializer_list<const char*> dates) {
    TDayRec record;
    record.setName(QStringLiteral("Nap"));
    for (int k = 1; k <= TDayRec::DateCount; ++k)
        record.setDate(k, QStringLiteral("0"));
    int k = 1;
    for (const char* date : dates)
        record.setDate(k++, QLatin1String(date));
    return record;
}

} // namespace

TEST(DaySlotsTest, SlotsReadAsMonthAndDay) {
    using MonthDay = DaySlots::MonthDay;
    EXPECT_EQ(DaySlots::parse(QStringLiteral("03.15")), (MonthDay{3, 15}));
    EXPECT_EQ(DaySlots::parse(QStringLiteral("12.01")), (MonthDay{12, 1}));
    // Only characters 1-2 and 4-5 are read.
    EXPECT_EQ(DaySlots::parse(QStringLiteral("07/04")), (MonthDay{7, 4}));
    EXPECT_EQ(DaySlots::parse(QStringLiteral("0")), std::nullopt);
    EXPECT_TRUE(DaySlots::isUnused(QStringLiteral("0")));
    EXPECT_FALSE(DaySlots::isUnused(QStringLiteral("00.00")));
    for (const char* damaged : {"", "ab.cd", "3.15", "03.", "03.1x", " 3.15", "+3.15", "1"})
        EXPECT_EQ(DaySlots::parse(QString::fromLatin1(damaged)), std::nullopt) << damaged;
}

// The lists and the tick read the stored bytes without decoding them first: every byte reads
// as the character it decodes to, the accented ones too.
TEST(DaySlotsTest, StoredBytesReadAsTheirText) {
    for (const char* slot :
         {"03.15", "07/04", "0", "00.00", "", "3.15", "03.1x", "³3.15", "03.¹¹", "1"}) {
        const QByteArrayView bytes(slot);
        EXPECT_EQ(DaySlots::parse(bytes), DaySlots::parse(CodePage::toUnicode(bytes))) << slot;
        EXPECT_EQ(DaySlots::isUnused(bytes), DaySlots::isUnused(CodePage::toUnicode(bytes)));
    }
}

TEST(DaySlotsTest, AllDatesPastComparesMonthAndDayOnly) {
    const QDate ides(2026, 3, 15);
    EXPECT_FALSE(DaySlots::AllDatesPast(dayWith({"03.15"}), ides));
    EXPECT_TRUE(DaySlots::AllDatesPast(dayWith({"03.14"}), ides));
    EXPECT_FALSE(DaySlots::AllDatesPast(dayWith({"01.10", "12.24"}), ides));
    EXPECT_FALSE(DaySlots::AllDatesPast(dayWith({"02.28", "04.01"}), ides));
    EXPECT_TRUE(DaySlots::AllDatesPast(dayWith({}), ides));
    // The year plays no part: the same day a year later is no different.
    EXPECT_TRUE(DaySlots::AllDatesPast(dayWith({"03.14"}), QDate(2031, 3, 15)));
    EXPECT_FALSE(DaySlots::AllDatesPast(dayWith({"01.01"}), QDate(2026, 1, 1)));
    EXPECT_TRUE(DaySlots::AllDatesPast(dayWith({"12.30"}), QDate(2026, 12, 31)));
    // The last slot counts as much as the first.
    TDayRec late = dayWith({});
    late.setDate(16, QStringLiteral("06.01"));
    EXPECT_FALSE(DaySlots::AllDatesPast(late, ides));
}

TEST(DaySlotsTest, DamagedSlotsCountAsNoDate) {
    const QDate ides(2026, 3, 15);
    EXPECT_TRUE(DaySlots::AllDatesPast(dayWith({"xx.yy", "", "5"}), ides));
    EXPECT_FALSE(DaySlots::AllDatesPast(dayWith({"xx.yy", "", "09.09"}), ides));
    // A length byte above the slot's capacity reads as its five characters.
    TDayRec record = dayWith({"0", "0"});
    record.data()[17] = char(255);
    EXPECT_TRUE(DaySlots::AllDatesPast(record, ides));
    record.setDate(2, QStringLiteral("10.10"));
    EXPECT_FALSE(DaySlots::AllDatesPast(record, ides));
}

TEST(RegionalFormatsTest, InjectedFormatsAndTheSystemsOwn) {
    RegionalFormats::setForTesting(
        RegionalFormats::Formats{QStringLiteral("yyyy. MM. dd."), QStringLiteral("H:mm:ss")});
    EXPECT_EQ(RegionalFormats::shortDateFormat(), QStringLiteral("yyyy. MM. dd."));
    EXPECT_EQ(RegionalFormats::longTimeFormat(), QStringLiteral("H:mm:ss"));
    EXPECT_EQ(RegionalFormats::shortDateText(QDate(2026, 3, 5)), QStringLiteral("2026. 03. 05."));

    RegionalFormats::setForTesting(std::nullopt);
    EXPECT_EQ(RegionalFormats::shortDateFormat(),
              QLocale::system().dateFormat(QLocale::ShortFormat));
    // The clock shows no time zone.
    const QString time = RegionalFormats::longTimeFormat();
    EXPECT_FALSE(time.isEmpty());
    EXPECT_FALSE(time.contains(QLatin1Char('t'))) << qPrintable(time);
    EXPECT_EQ(time, time.trimmed());
    EXPECT_TRUE(QLocale::system().toString(QTime(13, 4, 5), time).contains(QLatin1String("04")));
}
