#include "CalendarFile.h"
#include "RecordBytes.h"
#include "TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

class CalendarFileTest : public ::testing::Test {
protected:
    CalendarFile::LoadResult load(const QByteArray& content) {
        folder.write(QStringLiteral("nevnap.data"), content);
        return CalendarFile::load(folder.file(QStringLiteral("nevnap.data")), *table);
    }

    TempFolder folder;
    std::unique_ptr<DayTable> table = std::make_unique<DayTable>();
};

} // namespace

TEST_F(CalendarFileTest, RecordsLoadFromIndexOne) {
    const QByteArray abel = RecordBytes::day("\xC1"
                                             "bel",
                                             {"01.02"});
    const QByteArray agnes = RecordBytes::day("\xC1gnes", {"01.21", "01.28"}, true);
    EXPECT_EQ(load(abel + agnes + QByteArray(100, 'x')), CalendarFile::LoadResult::Loaded);
    EXPECT_EQ((*table)[1].Name(), QStringLiteral("Ábel"));
    EXPECT_EQ((*table)[2].Date(2), QStringLiteral("01.28"));
    EXPECT_FALSE((*table)[3].hasName());
    EXPECT_EQ(CalendarFile::bytes(*table), abel + agnes);
}

TEST_F(CalendarFileTest, MissingFileIsToldApartFromAnEmptyOne) {
    EXPECT_EQ(load({}), CalendarFile::LoadResult::Loaded);
    EXPECT_EQ(CalendarFile::load(folder.file(QStringLiteral("unnep.data")), *table),
              CalendarFile::LoadResult::Missing);
    QDir(folder.path()).mkdir(QStringLiteral("dir.data"));
    EXPECT_EQ(CalendarFile::load(folder.file(QStringLiteral("dir.data")), *table),
              CalendarFile::LoadResult::Missing);
}

TEST_F(CalendarFileTest, WriteStopsAtTheFirstRecordWithoutAName) {
    const QByteArray a = RecordBytes::day("A", {"01.01"});
    const QByteArray b = RecordBytes::day("B", {"02.02"});
    load(a + RecordBytes::day("", {"03.03"}) + b);
    EXPECT_EQ(CalendarFile::bytes(*table), a);
}

TEST_F(CalendarFileTest, LoadAndWriteStayWithinTheTable) {
    QByteArray content;
    for (int i = 0; i < DayTable::Capacity + 3; ++i)
        content += RecordBytes::day("N" + QByteArray::number(i), {"05.05"});
    load(content);
    EXPECT_EQ((*table)[DayTable::Last].Name(), QStringLiteral("N1023"));
    EXPECT_EQ(CalendarFile::bytes(*table), content.left(DayTable::Capacity * 242));
}

TEST_F(CalendarFileTest, SaveReplacesTheFileOrKeepsItWhenItCannot) {
    load(RecordBytes::day("A", {"01.01"}));
    (*table)[1].setSelected(true);
    ASSERT_TRUE(CalendarFile::save(folder.file(QStringLiteral("nevnap.data")), *table));
    EXPECT_EQ(folder.read(QStringLiteral("nevnap.data")), RecordBytes::day("A", {"01.01"}, true));
    EXPECT_FALSE(CalendarFile::save(folder.file(QStringLiteral("gone/unnep.data")), *table));
}
