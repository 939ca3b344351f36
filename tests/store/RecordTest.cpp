#include "RecordBytes.h"
#include "TDayRec.h"
#include "TReminderRec.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TReminderRec reminderFrom(const QByteArray& bytes) {
    TReminderRec record;
    std::memcpy(record.data(), bytes.constData(), TReminderRec::Size);
    return record;
}

TDayRec dayFrom(const QByteArray& bytes) {
    TDayRec record;
    std::memcpy(record.data(), bytes.constData(), TDayRec::Size);
    return record;
}

QByteArray bytesOf(const TReminderRec& record) {
    return QByteArray(record.data(), 104);
}
QByteArray bytesOf(const TDayRec& record) {
    return QByteArray(record.data(), 242);
}

} // namespace

TEST(ReminderRecord, FieldsAreReadFromTheirOffsets) {
    // "Fogorvos – Győr" in Windows-1250: ő is 0xF5.
    const QByteArray bytes =
        RecordBytes::reminder(-2, 2, "Fogorvos Gy\xF5r", "2026.12.09", "2026.12.31");
    const TReminderRec record = reminderFrom(bytes);
    EXPECT_EQ(record.ID(), -2);
    EXPECT_TRUE(record.Checked());
    EXPECT_EQ(record.Title(), QStringLiteral("Fogorvos Győr"));
    EXPECT_EQ(record.StartDate(), QStringLiteral("2026.12.09"));
    EXPECT_EQ(record.EndDate(), QStringLiteral("2026.12.31"));
}

TEST(ReminderRecord, SettersWriteTheFileLayout) {
    TReminderRec record;
    record.setID(1765276800);
    record.setChecked(true);
    record.setTitle(QStringLiteral("Bevásárlás"));
    record.setStartDate(QStringLiteral("2026.12.09"));
    record.setEndDate(QStringLiteral("2026.12.10"));
    EXPECT_EQ(bytesOf(record), RecordBytes::reminder(1765276800, 1, "Bev\xE1s\xE1rl\xE1s",
                                                     "2026.12.09", "2026.12.10"));
}

TEST(ReminderRecord, LongTextsAreCutToTheirCapacity) {
    TReminderRec record;
    record.setTitle(QString(70, QLatin1Char('x')));
    record.setStartDate(QStringLiteral("2026. 12. 09."));
    EXPECT_EQ(record.Title(), QString(64, QLatin1Char('x')));
    EXPECT_EQ(record.StartDate(), QStringLiteral("2026. 12. "));
    // The title's 64 bytes end exactly where the start date's length byte begins.
    EXPECT_EQ(record.data()[74], 10);
}

TEST(ReminderRecord, BytesNoFieldCoversStayAsTheyWere) {
    QByteArray bytes = RecordBytes::reminder(7, 1, "hosszu cim");
    bytes[9 + 1 + 20] = 'T'; // after the title's text
    bytes[96] = 5;           // reserved
    bytes[100] = char(0xEE); // padding
    TReminderRec record = reminderFrom(bytes);
    record.setTitle(QStringLiteral("rövid"));
    record.setChecked(false);

    QByteArray expected = bytes;
    expected[8] = 0;
    expected[9] = 5;
    std::memcpy(expected.data() + 10, "r\xF6vid", 5);
    EXPECT_EQ(bytesOf(record), expected);
    EXPECT_EQ(record.Reserved(), 5);
}

TEST(ReminderRecord, DamagedLengthByteIsClampedWhenRead) {
    QByteArray bytes = RecordBytes::reminder(1, 0, QByteArray(64, 'a'));
    bytes[9] = char(200);
    bytes[74] = char(255);
    const TReminderRec record = reminderFrom(bytes);
    EXPECT_EQ(record.Title().size(), 64);
    EXPECT_EQ(record.StartDate().size(), 10);
    EXPECT_EQ(bytesOf(record), bytes); // the raw bytes stay as read
}

TEST(DayRecord, FieldsAreReadFromTheirOffsets) {
    QByteArray bytes = RecordBytes::day("\xC1gnes", {"01.21", "01.28"}, true);
    bytes[1] = 1;  // date 1 pending
    bytes[16] = 3; // date 16 pending, any non-zero value
    const TDayRec record = dayFrom(bytes);
    EXPECT_TRUE(record.Selected());
    EXPECT_TRUE(record.Pending(1));
    EXPECT_FALSE(record.Pending(2));
    EXPECT_TRUE(record.Pending(16));
    EXPECT_EQ(record.Date(1), QStringLiteral("01.21"));
    EXPECT_EQ(record.Date(2), QStringLiteral("01.28"));
    EXPECT_EQ(record.Date(16), QStringLiteral("0"));
    EXPECT_EQ(record.Name(), QStringLiteral("Ágnes"));
    EXPECT_TRUE(record.hasName());
}

TEST(DayRecord, SettersWriteTheFileLayout) {
    TDayRec record;
    for (int k = 1; k <= 16; ++k)
        record.setDate(k, QStringLiteral("0"));
    record.setDate(1, QStringLiteral("08.20"));
    record.setName(QStringLiteral("Államalapítás ünnepe"));
    record.setSelected(true);
    record.setPending(1, true);
    QByteArray expected = RecordBytes::day("\xC1llamalap\xEDt\xE1s \xFCnnepe", {"08.20"}, true);
    expected[1] = 1;
    EXPECT_EQ(bytesOf(record), expected);

    record.setPending(1, false);
    record.setSelected(false);
    EXPECT_EQ(record.data()[0], 0);
    EXPECT_EQ(record.data()[1], 0);
}

TEST(DayRecord, EmptyNameMarksAnUnusedRecord) {
    TDayRec record;
    EXPECT_FALSE(record.hasName());
    record.setName(QString(130, QLatin1Char('n')));
    EXPECT_EQ(record.Name().size(), 128);
}
