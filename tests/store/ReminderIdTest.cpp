#include "ReminderId.h"

#include <QTimeZone>

#include <gtest/gtest.h>

TEST(ReminderId, CountsTheLocalWallClockNotUtc) {
    // The same wall-clock reading gives the same identifier in every time zone.
    const QDate date(2026, 12, 9);
    const QTime time(10, 30, 15);
    const qint64 expected = QDateTime(date, time, Qt::UTC).toSecsSinceEpoch();
    EXPECT_EQ(ReminderId::fromLocalTime(QDateTime(date, time, Qt::OffsetFromUTC, 3600)), expected);
    EXPECT_EQ(ReminderId::fromLocalTime(QDateTime(date, time, Qt::OffsetFromUTC, -5 * 3600)),
              expected);
    EXPECT_EQ(ReminderId::fromLocalTime(QDateTime(QDate(1970, 1, 1), QTime(1, 0), Qt::LocalTime)),
              3600);
}

TEST(ReminderId, RoundsToTheNearestSecond) {
    const QDate date(2026, 12, 9);
    const qint64 base = QDateTime(date, QTime(8, 0, 0), Qt::UTC).toSecsSinceEpoch();
    EXPECT_EQ(ReminderId::fromLocalTime(QDateTime(date, QTime(8, 0, 0, 499))), base);
    EXPECT_EQ(ReminderId::fromLocalTime(QDateTime(date, QTime(8, 0, 0, 500))), base + 1);
    EXPECT_EQ(ReminderId::fromLocalTime(QDateTime(QDate(1969, 12, 31), QTime(23, 59, 59, 600))), 0);
}

TEST(ReminderId, TextIsPlainDecimal) {
    EXPECT_EQ(ReminderId::text(1765276215), QStringLiteral("1765276215"));
    EXPECT_EQ(ReminderId::text(-5), QStringLiteral("-5"));
}
