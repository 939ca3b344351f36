#include "DayCalendar.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Days with the given dates ("0" in the other slots), all due, followed where asked.
void put(DayTable& table, int index, const QString& name, const QStringList& dates,
         bool selected = false) {
    TDayRec& record = table[index];
    record.setName(name);
    for (int k = 1; k <= TDayRec::DateCount; ++k) {
        record.setDate(k, k <= dates.size() ? dates[k - 1] : QStringLiteral("0"));
        record.setPending(k, true);
    }
    record.setSelected(selected);
}

class DayCalendarTest : public ::testing::Test {
protected:
    std::unique_ptr<DayTable> table = std::make_unique<DayTable>();
};

} // namespace

TEST_F(DayCalendarTest, FollowedDaysAreListedWithTheirDatesInUse) {
    put(*table, 1, QStringLiteral("Ábel"), {"01.02"}, true);
    put(*table, 2, QStringLiteral("Béla"), {"03.14"});
    put(*table, 3, QStringLiteral("Dénes"), {"0", "04.09", "0", "10.09"}, true);
    put(*table, 4, QStringLiteral("Üres"), {}, true);
    EXPECT_EQ(DayCalendar::followedLines(*table),
              QStringList({"Ábel - 01.02", "Dénes - 0, 04.09, 10.09", "Üres - 0"}));
}

TEST_F(DayCalendarTest, TakingOffALineClearsExactlyThatDay) {
    for (int i = 1; i <= 5; ++i)
        put(*table, i, QStringLiteral("N%1").arg(i), {"05.05"}, i != 2);
    DayCalendar::deselect(*table, 2);
    EXPECT_EQ(DayCalendar::followedLines(*table),
              QStringList({"N1 - 05.05", "N3 - 05.05", "N5 - 05.05"}));
    EXPECT_TRUE((*table)[4].Pending(1)) << "only the selection changes";
    for (int line : {-1, 3, 99})
        DayCalendar::deselect(*table, line);
    EXPECT_EQ(DayCalendar::followedLines(*table).size(), 3);
}

TEST_F(DayCalendarTest, TakingOffPassesOverSelectedRecordsWithoutAName) {
    // A damaged file: a selected record with no name is not listed, so it is not counted.
    put(*table, 1, QStringLiteral("A"), {"01.01"}, true);
    (*table)[1].setName(QString());
    put(*table, 2, QStringLiteral("B"), {"01.01"}, true);
    put(*table, 3, QStringLiteral("C"), {"01.01"}, true);
    DayCalendar::deselect(*table, 0);
    EXPECT_FALSE((*table)[2].Selected());
    EXPECT_TRUE((*table)[3].Selected());
}

TEST_F(DayCalendarTest, NamesOnADateCountEverySlotAndPassOverDamagedOnes) {
    put(*table, 1, QStringLiteral("Ábel"), {"01.02"});
    put(*table, 2, QStringLiteral("Kettős"), {"03.15", "03.15"});
    put(*table, 3, QStringLiteral("Hibás"), {"xx.15", "", "3.15", "03.1"});
    put(*table, 4, QStringLiteral("Nulla"), {"0"});
    EXPECT_EQ(DayCalendar::namesOn(*table, QDate(2026, 3, 15)), QStringList({"Kettős", "Kettős"}));
    EXPECT_TRUE(DayCalendar::namesOn(*table, QDate(2026, 3, 16)).isEmpty());
}

TEST_F(DayCalendarTest, EachDueSlotOfAFollowedDayIsAnnouncedOnce) {
    put(*table, 1, QStringLiteral("Eszter"), {"12.09"}, true);
    put(*table, 2, QStringLiteral("Nem követett"), {"12.09"});
    put(*table, 3, QStringLiteral("Kétszer"), {"12.09", "06.01", "12.09"}, true);
    const QDate today(2026, 12, 9);
    EXPECT_EQ(DayCalendar::takeDueAnnouncements(*table, today),
              QStringList({"Eszter", "Kétszer", "Kétszer"}));
    EXPECT_FALSE((*table)[1].Pending(1));
    EXPECT_TRUE((*table)[2].Pending(1)) << "a day not followed keeps its flags";
    EXPECT_TRUE((*table)[3].Pending(2));
    EXPECT_TRUE(DayCalendar::takeDueAnnouncements(*table, today).isEmpty());
}

// The tick reads the dates decoded beforehand: they answer as the texts do, for the last slot of
// the last record too, and stay as decoded until refreshed.
TEST_F(DayCalendarTest, DecodedDatesAnswerAsTheTextsUntilRefreshed) {
    put(*table, 1, QStringLiteral("Első"), {"01.31"}, true);
    QStringList last(TDayRec::DateCount, QStringLiteral("0"));
    last.back() = QStringLiteral("12.31");
    put(*table, DayTable::Last, QStringLiteral("Utolsó"), last, true);
    auto dates = std::make_unique<DayDates>();
    dates->refresh(*table);
    const QDate newYearsEve(2026, 12, 31);
    EXPECT_EQ(DayCalendar::namesOn(*table, *dates, newYearsEve), QStringList({"Utolsó"}));
    EXPECT_EQ(DayCalendar::namesOn(*table, *dates, QDate(2026, 1, 31)), QStringList({"Első"}));

    (*table)[1].setDate(1, QStringLiteral("12.31"));
    EXPECT_EQ(DayCalendar::takeDueAnnouncements(*table, *dates, newYearsEve),
              QStringList({"Utolsó"}));
    dates->refresh(*table);
    EXPECT_EQ(DayCalendar::takeDueAnnouncements(*table, *dates, newYearsEve),
              QStringList({"Első"}));
}
