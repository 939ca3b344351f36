#include "ListFile.h"
#include "RecordBytes.h"
#include "RunError.h"
#include "TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

class ListFileTest : public ::testing::Test {
protected:
    int load(const QByteArray& content) {
        folder.write(QStringLiteral("time.list"), content);
        return ListFile::load(folder.file(QStringLiteral("time.list")), *table);
    }

    TempFolder folder;
    std::unique_ptr<ReminderTable> table = std::make_unique<ReminderTable>();
};

} // namespace

TEST_F(ListFileTest, EmptyOrShortFileGivesAnEmptyTable) {
    EXPECT_EQ(load({}), 0);
    EXPECT_EQ(load(QByteArray(103, 'x')), 0);
    EXPECT_EQ((*table)[0].ID(), 0);
    EXPECT_TRUE(ListFile::bytes(*table).isEmpty());
}

TEST_F(ListFileTest, TrailingPartOfARecordIsIgnored) {
    const QByteArray first = RecordBytes::reminder(11, 1, "egy");
    const QByteArray second = RecordBytes::reminder(22, 0, "kett\xF5");
    EXPECT_EQ(load(first + second + QByteArray(42, 'z')), 2);
    EXPECT_EQ((*table)[1].Title(), QStringLiteral("kettő"));
    EXPECT_EQ(ListFile::bytes(*table), first + second); // 208 bytes
}

TEST_F(ListFileTest, WriteStopsAtTheFirstEmptySlotAfterTheFirstRecord) {
    const QByteArray a = RecordBytes::reminder(1, 0, "a");
    const QByteArray gap = RecordBytes::reminder(0, 0, "gap");
    const QByteArray c = RecordBytes::reminder(3, 0, "c");
    EXPECT_EQ(load(a + gap + c), 3); // every record is loaded, whatever its ID
    EXPECT_EQ(ListFile::bytes(*table), a);
}

TEST_F(ListFileTest, EmptyFirstSlotIsSkippedAndTheRestWritten) {
    const QByteArray gap = RecordBytes::reminder(0, 0, "gap");
    const QByteArray b = RecordBytes::reminder(2, 1, "b");
    const QByteArray c = RecordBytes::reminder(3, 0, "c");
    load(gap + b + c + gap + RecordBytes::reminder(5, 0, "e"));
    EXPECT_EQ(ListFile::bytes(*table), b + c);
}

TEST_F(ListFileTest, LoadLeavesRecordsAfterTheLastOneRead) {
    (*table)[2].setID(99);
    load(RecordBytes::reminder(1, 0, "a"));
    EXPECT_EQ((*table)[2].ID(), 99);
}

TEST_F(ListFileTest, LoadAndWriteStayWithinTheTable) {
    QByteArray content;
    for (int i = 1; i <= ReminderTable::Capacity + 5; ++i)
        content += RecordBytes::reminder(i, 0, QByteArray::number(i));
    EXPECT_EQ(load(content), ReminderTable::Capacity);
    EXPECT_EQ((*table)[ReminderTable::Capacity - 1].ID(), ReminderTable::Capacity);
    EXPECT_EQ(ListFile::bytes(*table), content.left(ReminderTable::Capacity * 104));
}

TEST_F(ListFileTest, SaveReplacesTheFileWithTheUsedRecords) {
    folder.write(QStringLiteral("task.list"), QByteArray(500, 'o'));
    (*table)[0] = {};
    (*table)[0].setID(42);
    (*table)[0].setTitle(QStringLiteral("Új feladat"));
    ListFile::save(folder.file(QStringLiteral("task.list")), *table);
    EXPECT_EQ(folder.read(QStringLiteral("task.list")),
              RecordBytes::reminder(42, 0, "\xDAj feladat"));
}

TEST_F(ListFileTest, FilesThatCannotBeOpenedRaiseTheRunError) {
    EXPECT_THROW(ListFile::load(folder.file(QStringLiteral("missing.list")), *table), RunError);
    QDir(folder.path()).mkdir(QStringLiteral("dir.list"));
    EXPECT_THROW(ListFile::load(folder.file(QStringLiteral("dir.list")), *table), RunError);
    EXPECT_THROW(ListFile::save(folder.file(QStringLiteral("no/such/folder.list")), *table),
                 RunError);
}
