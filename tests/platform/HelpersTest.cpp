#include "AsciiCase.h"
#include "Clock.h"
#include "ProgramPath.h"

#include <QFileInfo>

#include <gtest/gtest.h>

TEST(AsciiCase, UpperCasesOnlyTheLettersAToZ) {
    EXPECT_EQ(asciiUpper(QStringLiteral("-n")), QStringLiteral("-N"));
    EXPECT_EQ(asciiUpper(QStringLiteral("azAZ09-/ `{@[")), QStringLiteral("AZAZ09-/ `{@["));
    EXPECT_EQ(asciiUpper(QStringLiteral("é")), QStringLiteral("é"));
    EXPECT_EQ(asciiUpper(QStringLiteral("ß")), QStringLiteral("ß"));
    EXPECT_EQ(asciiUpper(QStringLiteral("árvíztűrő ÿ")), QStringLiteral("áRVíZTűRő ÿ"));
}

class ClockTest : public ::testing::Test {
protected:
    void TearDown() override { Clock::setForTesting({}); }
};

TEST_F(ClockTest, GivesTheTimeATestSets) {
    QDateTime time(QDate(2024, 2, 29), QTime(23, 59, 30));
    Clock::setForTesting([&] { return time; });
    EXPECT_EQ(Clock::now(), time);

    // The source is asked every time, so a test can move the clock on.
    time = time.addSecs(60);
    EXPECT_EQ(Clock::now(), QDateTime(QDate(2024, 3, 1), QTime(0, 0, 30)));
}

TEST_F(ClockTest, ResettingGivesTheSystemClockBack) {
    Clock::setForTesting([] { return QDateTime(QDate(2001, 1, 1), QTime(8, 0)); });
    Clock::setForTesting({});

    const QDateTime before = QDateTime::currentDateTime();
    const QDateTime now = Clock::now();
    const QDateTime after = QDateTime::currentDateTime();
    EXPECT_LE(before, now);
    EXPECT_LE(now, after);
    EXPECT_EQ(now.timeSpec(), Qt::LocalTime);
}

TEST(ProgramPath, FolderEndsWithASlashAndHoldsTheProgram) {
    const QString folder = ProgramPath::folder();
    EXPECT_TRUE(folder.endsWith(QLatin1Char('/')));
    EXPECT_EQ(folder + QFileInfo(ProgramPath::file()).fileName(), ProgramPath::file());
    EXPECT_TRUE(QFileInfo(ProgramPath::file()).isExecutable());
}
