#include "ViewFormFixture.h"

#include "RegularFile.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextEdit>

using RecordBytes::reminder;

namespace {

const QByteArray Table = "Id\xF5pont|Eml\xE9keztet\xF5\r\n8:00|Reggeli\r\n";

} // namespace

class StartupScanTest : public ViewFormFixture {
protected:
    // Today is 2026.03.14 (the fixture's clock).
    bool scan() { return create({QStringLiteral("-S")}); }

    QStringList startedContents() const {
        QStringList contents;
        for (const ProgramStart& start : starts)
            contents << start.arguments.value(1);
        return contents;
    }
};

TEST_F(StartupScanTest, TickedRemindersAreDueFromTheirStartToTheirEndDayBothIncluded) {
    folder.write(QStringLiteral("time.list"),
                 reminder(1, 1,
                          "Ma kezd\xF5"
                          "dik",
                          "2026.03.14", "2026.03.20") +
                     reminder(2, 1,
                              "Holnap kezd\xF5"
                              "dik",
                              "2026.03.15", "2026.03.20") +
                     reminder(3, 1,
                              "Tegnap v\xE9"
                              "gz\xF5"
                              "d\xF6tt",
                              "2026.03.01", "2026.03.13") +
                     reminder(4, 0, "Nincs kipip\xE1lva", "2026.03.14", "2026.03.14") +
                     reminder(5, 1,
                              "Ma v\xE9gz\xF5"
                              "dik",
                              "2026.03.01", "2026.03.14") +
                     reminder(6, 2, "Egy napos", "2026.03.14", "2026.03.14"));
    folder.write(QStringLiteral("time/1"), Table);
    ASSERT_TRUE(scan());
    EXPECT_EQ(window->CurrentFile(), folder.file(QStringLiteral("time/1")));
    EXPECT_EQ(cell(1, 1), QStringLiteral("Reggeli"));
    EXPECT_EQ(startedContents(), QStringList({"time/5", "time/6"}));
    EXPECT_TRUE(boxes.isEmpty());
    EXPECT_EQ(registered(), QList<qint32>({*window->ViewerId()}));
}

TEST_F(StartupScanTest, OneAppointmentAndTwoNotesGiveThisWindowTheTableAndTwoViewersAtRandom) {
    folder.write(QStringLiteral("memo.list"),
                 reminder(1700000000, 1, "Jegyzet", "2026.03.10", "2026.04.10") +
                     reminder(1700000100, 1, "M\xE1sik", "2026.03.14", "2026.03.14"));
    folder.write(QStringLiteral("time.list"),
                 reminder(42, 1, "Id\xF5pont", "2026.03.14", "2026.03.14"));
    folder.write(QStringLiteral("time/42"), Table);
    ASSERT_TRUE(scan());
    EXPECT_EQ(cell(1, 1), QStringLiteral("Reggeli"));
    ASSERT_EQ(starts.size(), 2);
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    for (const ProgramStart& start : starts) {
        EXPECT_EQ(start.program, folder.file(QStringLiteral("Viewer")));
        EXPECT_EQ(start.folder, QString());
        ASSERT_EQ(start.arguments.size(), 6);
        EXPECT_EQ(start.arguments[0], QStringLiteral("-D"));
        EXPECT_EQ(start.arguments[2], QStringLiteral("-X"));
        EXPECT_EQ(start.arguments[4], QStringLiteral("-Y"));
        const int left = start.arguments[3].toInt();
        const int top = start.arguments[5].toInt();
        EXPECT_GE(left, 0);
        EXPECT_LT(left, screen.width() - window->width());
        EXPECT_GE(top, 0);
        EXPECT_LT(top, screen.height() - window->height());
    }
    EXPECT_EQ(startedContents(), QStringList({"memo/1700000000", "memo/1700000100"}));
}

TEST_F(StartupScanTest, DatesInTheRegionalShortFormatAreReadToo) {
    RegionalFormats::setForTesting(
        RegionalFormats::Formats{QStringLiteral("M/d/yy"), QStringLiteral("H:mm:ss")});
    folder.write(QStringLiteral("task.list"), reminder(8, 1, "R\xE9gi", "3/1/2026", "3/14/26"));
    folder.write(QStringLiteral("task/8"), Table);
    ASSERT_TRUE(scan());
    EXPECT_EQ(window->CurrentFile(), folder.file(QStringLiteral("task/8")));
}

// A date that does not read is the run-time's error: it ends the scan there, and the window
// opens with what the scan did before it. The identifier plays no part in what is due.
TEST_F(StartupScanTest, ADateThatDoesNotReadEndsTheScanWithItsErrorAndTheWindowOpens) {
    folder.write(QStringLiteral("time.list"),
                 reminder(1, 1, "J\xF3", "2026.03.14", "2026.03.14") +
                     reminder(0, 1, "Nulla", "2026.03.10", "2026.03.20") +
                     reminder(3, 0, "Rossz d\xE1tum", "2026.03.01", "abc") +
                     reminder(4, 1, "Ut\xE1na", "2026.03.14", "2026.03.14"));
    folder.write(QStringLiteral("task.list"),
                 reminder(5, 1, "Feladat", "2026.03.14", "2026.03.14"));
    folder.write(QStringLiteral("time/1"), Table);
    ASSERT_TRUE(scan());
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].text, QStringLiteral("'abc' is not a valid date and time."));
    EXPECT_EQ(window->CurrentFile(), folder.file(QStringLiteral("time/1")));
    EXPECT_EQ(startedContents(), QStringList({"time/0"}));
    EXPECT_EQ(registered(), QList<qint32>({*window->ViewerId()}));
}

TEST_F(StartupScanTest, ADamagedOnlyRecordIsReportedAndTheViewerStaysOpen) {
    folder.write(QStringLiteral("memo.list"), reminder(7, 1, "\xDCres", "", "2026.03.20"));
    ASSERT_TRUE(scan());
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].text, QStringLiteral("'' is not a valid date and time."));
    EXPECT_EQ(registered(), QList<qint32>({*window->ViewerId()}));
}

TEST_F(StartupScanTest, NothingDueEndsTheProgramWithoutAWindowAndOutOfTheRegister) {
    folder.write(QStringLiteral("pl.data"), QByteArray("\x03\x00\x00\x00", 4));
    folder.write(QStringLiteral("time.list"),
                 reminder(1, 0, "Nincs kipip\xE1lva", "2026.03.14", "2026.03.14"));
    EXPECT_FALSE(scan());
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(starts.isEmpty());
    EXPECT_EQ(registered(), QList<qint32>({3}));
    EXPECT_FALSE(folder.exists(QStringLiteral("Zimpa.ini"))) << "no settings are written";
}

TEST_F(StartupScanTest, TheFirstDueReminderCountsAsShownEvenWhenItsFileIsMissing) {
    folder.write(QStringLiteral("memo.list"),
                 reminder(11, 1, "Elveszett", "2026.03.14", "2026.03.14") +
                     reminder(12, 1, "Megvan", "2026.03.14", "2026.03.14"));
    ASSERT_TRUE(scan());
    EXPECT_TRUE(boxes.isEmpty()) << "a missing note is passed over in silence";
    EXPECT_TRUE(window->mZimpa->isVisibleTo(window.get()));
    EXPECT_EQ(startedContents(), QStringList({"memo/12"}));
}

// The scan only reads: lists it may not write (another user's, a read-only medium) are scanned.
TEST_F(StartupScanTest, ListsThatMayNotBeWrittenAreScannedAllTheSame) {
    folder.write(QStringLiteral("task.list"),
                 reminder(21, 1, "Feladat", "2026.03.14", "2026.03.14") +
                     reminder(22, 1, "M\xE1sik", "2026.03.14", "2026.03.14"));
    folder.write(QStringLiteral("task/21"), Table);
    RegularFile::setWriteProtectedForTesting([](const QString&) { return true; });
    const bool shown = scan();
    RegularFile::setWriteProtectedForTesting({});
    ASSERT_TRUE(shown);
    EXPECT_TRUE(boxes.isEmpty()) << boxes.value(0).text.toStdString();
    EXPECT_EQ(startedContents(), QStringList({"task/22"}));
}

TEST_F(StartupScanTest, AMissingListFileIsReportedAndTheLaterListsAreNotRead) {
    QFile::remove(folder.file(QStringLiteral("time.list")));
    folder.write(QStringLiteral("task.list"),
                 reminder(4, 1, "Feladat", "2026.03.14", "2026.03.14"));
    ASSERT_TRUE(scan());
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Error);
    EXPECT_EQ(boxes[0].text, QStringLiteral("File not found."));
    EXPECT_TRUE(starts.isEmpty());
    EXPECT_EQ(registered(), QList<qint32>({*window->ViewerId()})) << "the viewer stays registered";
}

TEST_F(StartupScanTest, AFailedStartIsReportedAndTheScanGoesOn) {
    folder.write(QStringLiteral("time.list"),
                 reminder(1, 1, "Els\xF5", "2026.03.14", "2026.03.14") +
                     reminder(2, 1, "M\xE1sodik", "2026.03.14", "2026.03.14") +
                     reminder(3, 1, "Harmadik", "2026.03.14", "2026.03.14"));
    folder.write(QStringLiteral("time/1"), Table);
    startResult = Shell::StartResult::FileNotFound;
    ASSERT_TRUE(scan());
    EXPECT_EQ(startedContents(), QStringList({"time/2", "time/3"}));
    EXPECT_EQ(boxes.size(), 2);
}

TEST_F(StartupScanTest, TheInformationBoxAfterAScanEndsOnlyThisViewer) {
    folder.write(QStringLiteral("time.list"),
                 reminder(1, 1, "Els\xF5", "2026.03.14", "2026.03.14") +
                     reminder(2, 1, "M\xE1sodik", "2026.03.14", "2026.03.14"));
    folder.write(QStringLiteral("time/1"), Table);
    EXPECT_FALSE(create({QStringLiteral("-S"), QStringLiteral("-L")}));
    EXPECT_EQ(startedContents(), QStringList({"time/2"}));
    EXPECT_EQ(registered(), QList<qint32>());
}

// Dates kept in a short format with a two-digit year mean this century's years, not the 1900s.
TEST_F(StartupScanTest, TwoDigitYearsOfTheShortFormatAreReadInTheNearestCentury) {
    RegionalFormats::setForTesting(
        RegionalFormats::Formats{QStringLiteral("yy.MM.dd."), QStringLiteral("H:mm:ss")});
    folder.write(QStringLiteral("time.list"),
                 reminder(1, 1, "Ma", "26.03.14.", "26.03.14.") +
                     reminder(2, 1, "Tavaly", "25.03.01.", "25.03.31.") +
                     reminder(3, 1, "Sok napos", "99.12.31.", "30.01.01."));
    folder.write(QStringLiteral("time/1"), Table);
    ASSERT_TRUE(scan());
    EXPECT_EQ(window->CurrentFile(), folder.file(QStringLiteral("time/1")));
    EXPECT_EQ(startedContents(), QStringList({"time/3"}));
    EXPECT_TRUE(boxes.isEmpty());
}
