#include "RowAlarms.h"

#include <gtest/gtest.h>

namespace {

QDateTime on(int day, int hour, int minute, int second = 0) {
    return QDateTime(QDate(2026, 3, day), QTime(hour, minute, second));
}

} // namespace

TEST(RowAlarmsTest, ATimeIsReadByItsNumbers) {
    EXPECT_EQ(RowAlarms::minuteOfDay(u"8:00"), 480);
    EXPECT_EQ(RowAlarms::minuteOfDay(u"08:00"), 480);
    EXPECT_EQ(RowAlarms::minuteOfDay(u"8:0"), 480);
    EXPECT_EQ(RowAlarms::minuteOfDay(u" 14:30 "), 870);
    EXPECT_EQ(RowAlarms::minuteOfDay(u"0:00"), 0);
    EXPECT_EQ(RowAlarms::minuteOfDay(u"23:59"), 1439);
    EXPECT_EQ(RowAlarms::minuteOfDay(u"9.05"), 545);
    for (const char16_t* noTime : {u"", u"Időpont", u"24:00", u"8:60", u"8", u":30", u"8:",
                                   u"-1:00", u"8:00:00", u"123:00", u"8:005", u"8 : 00", u"a:b"})
        EXPECT_EQ(RowAlarms::minuteOfDay(noTime), std::nullopt)
            << QString::fromUtf16(noTime).toStdString();
}

TEST(RowAlarmsTest, ARowFiresInItsMinuteOnceAndItsSlotEmpties) {
    RowAlarms alarms;
    alarms.arm(1, QStringLiteral("8:05"));
    alarms.arm(2, QStringLiteral("08:05"));
    EXPECT_EQ(alarms.take(1, on(14, 8, 4, 59)), std::nullopt);
    alarms.checkedAt(on(14, 8, 4, 59));
    EXPECT_EQ(alarms.take(1, on(14, 8, 5, 0)), QStringLiteral("8:05"));
    EXPECT_EQ(alarms.take(2, on(14, 8, 5, 0)), QStringLiteral("08:05")) << "as it was written";
    EXPECT_EQ(alarms.slot(1), QString());
    alarms.checkedAt(on(14, 8, 5, 0));
    EXPECT_EQ(alarms.take(1, on(14, 8, 5, 1)), std::nullopt);
    EXPECT_EQ(alarms.take(2, on(14, 8, 5, 1)), std::nullopt);
}

TEST(RowAlarmsTest, AMinuteTheClockSkippedFiresAtTheNextCheckOfTheDay) {
    RowAlarms alarms;
    alarms.arm(0, QStringLiteral("9:00"));
    alarms.arm(1, QStringLiteral("9:30"));
    alarms.arm(2, QStringLiteral("10:15"));
    alarms.arm(3, QStringLiteral("8:59"));
    alarms.checkedAt(on(14, 8, 59, 30));
    // The machine slept from 8:59:30 to 10:00:03.
    const QDateTime woken = on(14, 10, 0, 3);
    EXPECT_EQ(alarms.take(0, woken), QStringLiteral("9:00"));
    EXPECT_EQ(alarms.take(1, woken), QStringLiteral("9:30"));
    EXPECT_EQ(alarms.take(2, woken), std::nullopt) << "still to come";
    EXPECT_EQ(alarms.take(3, woken), std::nullopt) << "its minute was looked at before the sleep";
    alarms.checkedAt(woken);
    EXPECT_EQ(alarms.take(0, on(14, 10, 0, 4)), std::nullopt);
    EXPECT_EQ(alarms.take(2, on(14, 10, 15, 0)), QStringLiteral("10:15"));
}

TEST(RowAlarmsTest, OnlyTheClocksMinuteCountsBeforeTheFirstCheckAndAfterTheClockWentBack) {
    RowAlarms alarms;
    alarms.arm(0, QStringLiteral("7:00"));
    alarms.arm(1, QStringLiteral("10:00"));
    EXPECT_EQ(alarms.take(0, on(14, 10, 0, 30)), std::nullopt) << "past when it was armed";
    EXPECT_EQ(alarms.take(1, on(14, 10, 0, 30)), QStringLiteral("10:00"));
    alarms.checkedAt(on(14, 10, 0, 30));
    alarms.arm(1, QStringLiteral("6:00"));
    EXPECT_EQ(alarms.take(0, on(14, 6, 0, 0)), std::nullopt);
    EXPECT_EQ(alarms.take(1, on(14, 6, 0, 0)), QStringLiteral("6:00"));
}

TEST(RowAlarmsTest, ANewDayCountsFromMidnightAndYesterdaysLateMinutesAreGone) {
    RowAlarms alarms;
    alarms.arm(0, QStringLiteral("23:59"));
    alarms.arm(1, QStringLiteral("0:10"));
    alarms.arm(2, QStringLiteral("0:30"));
    alarms.checkedAt(on(14, 23, 58, 59));
    const QDateTime nextMorning = on(15, 0, 20, 0);
    EXPECT_EQ(alarms.take(0, nextMorning), std::nullopt);
    EXPECT_EQ(alarms.take(1, nextMorning), QStringLiteral("0:10"));
    EXPECT_EQ(alarms.take(2, nextMorning), std::nullopt);
}

TEST(RowAlarmsTest, ARowArmedAgainInTheMinuteItFiredFiresAgain) {
    RowAlarms alarms;
    alarms.arm(4, QStringLiteral("12:00"));
    EXPECT_TRUE(alarms.take(4, on(14, 12, 0, 10)));
    alarms.checkedAt(on(14, 12, 0, 10));
    alarms.arm(4, QStringLiteral("12:00"));
    EXPECT_TRUE(alarms.take(4, on(14, 12, 0, 11)));
}

TEST(RowAlarmsTest, EmptySlotsAndRowsPastTheSlotsNeverFire) {
    RowAlarms alarms;
    alarms.arm(RowAlarms::Slots, QStringLiteral("10:00"));
    alarms.arm(-1, QStringLiteral("10:00"));
    alarms.arm(3, QStringLiteral("10:00"));
    alarms.arm(3, QString());
    for (const int row : {-1, 3, RowAlarms::Slots})
        EXPECT_EQ(alarms.take(row, on(14, 10, 0)), std::nullopt);
    alarms.arm(RowAlarms::Slots - 1, QStringLiteral("10:00"));
    EXPECT_TRUE(alarms.take(RowAlarms::Slots - 1, on(14, 10, 0)));
}
