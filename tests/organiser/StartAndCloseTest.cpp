#include "MainFormFixture.h"
#include "ProgramExit.h"

#include <QListWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>

using RecordBytes::reminder;

namespace {

QStringList titles(const QListWidget* list) {
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->item(i)->text();
    return result;
}

QList<Qt::CheckState> ticks(const QListWidget* list) {
    QList<Qt::CheckState> result;
    for (int i = 0; i < list->count(); ++i)
        result << list->item(i)->checkState();
    return result;
}

} // namespace

TEST_F(MainFormFixture, StartListsTitlesAndTicks) {
    folder.write(QStringLiteral("time.list"), reminder(1, 0, "Fogorvos") +
                                                  reminder(2, 2, "Sz\xFClet\xE9snap") +
                                                  reminder(0, 1, "\xFCres hely"));
    folder.write(QStringLiteral("memo.list"), reminder(9, 1, "Jegyzet"));
    create();

    EXPECT_TRUE(boxes.isEmpty());
    EXPECT_EQ(titles(window->clbIdopont),
              QStringList({QStringLiteral("Fogorvos"), QStringLiteral("Születésnap"),
                           QStringLiteral("üres hely")}));
    EXPECT_EQ(ticks(window->clbIdopont),
              QList<Qt::CheckState>({Qt::Unchecked, Qt::Checked, Qt::Checked}));
    EXPECT_EQ(window->clbFeladat->count(), 0);
    EXPECT_EQ(titles(window->clbFeljegyzes), QStringList{QStringLiteral("Jegyzet")});
    EXPECT_EQ(tables->NevnapList[2].Name(), QStringLiteral("István"));
    EXPECT_EQ(tables->UnnepList[1].Name(), QStringLiteral("Újév"));
    EXPECT_EQ(window->AppDir(), folder.path());
    EXPECT_EQ(window->DataDir(), folder.path());
    EXPECT_TRUE(window->SaveSettingsOnClose());
    // Page 0 edits appointments in the grid.
    EXPECT_FALSE(window->tZimpa->isHidden());
    EXPECT_TRUE(window->mZimpa->isHidden());
    EXPECT_EQ(window->PageControl->count(), 5);
}

TEST_F(MainFormFixture, CloseWritesTicksAndTheUsedRecords) {
    const QByteArray first = reminder(1, 0, "Els\xF5", "2026.12.09", "2026.12.09");
    const QByteArray second = reminder(2, 2, "M\xE1sodik");
    folder.write(QStringLiteral("time.list"),
                 first + second + reminder(0, 0, "gap") + reminder(4, 0, "ut\xE1na"));
    folder.write(QStringLiteral("task.list"), reminder(5, 1, "Feladat") + QByteArray(50, 'x'));
    create();
    window->clbIdopont->item(0)->setCheckState(Qt::Checked);
    window->clbFeladat->item(0)->setCheckState(Qt::Unchecked);

    ASSERT_TRUE(close());
    EXPECT_TRUE(boxes.isEmpty());
    QByteArray firstTicked = first;
    firstTicked[8] = 1;
    QByteArray secondAsWritten = second;
    secondAsWritten[8] = 1; // any non-zero tick is written as 1
    EXPECT_EQ(folder.read(QStringLiteral("time.list")), firstTicked + secondAsWritten);
    EXPECT_EQ(folder.read(QStringLiteral("task.list")), reminder(5, 0, "Feladat"));
    EXPECT_EQ(folder.read(QStringLiteral("memo.list")), QByteArray());
    EXPECT_EQ(folder.read(QStringLiteral("nevnap.data")), nevnap);
    EXPECT_EQ(folder.read(QStringLiteral("unnep.data")), unnep);
}

TEST_F(MainFormFixture, MissingNameDayFileEndsTheProgramBeforeAnythingElse) {
    QFile::remove(folder.file(QStringLiteral("nevnap.data")));
    QFile::remove(folder.file(QStringLiteral("unnep.data")));
    try {
        create();
        FAIL() << "the start went on";
    } catch (const ProgramExit& exit) {
        EXPECT_EQ(exit.code, 1);
    }
    ASSERT_EQ(boxes.size(), 1); // the holiday file is not looked at
    EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Information);
    EXPECT_EQ(boxes[0].caption, QStringLiteral("Zimpa V2.00"));
    EXPECT_EQ(boxes[0].text, QStringLiteral("Hiba: A(z) ") + folder.file("nevnap.data") +
                                 QStringLiteral(" fájl nem található!"));
    EXPECT_FALSE(folder.exists(QStringLiteral("nevnap.data")));
}

TEST_F(MainFormFixture, MissingHolidayFileIsNamed) {
    QFile::remove(folder.file(QStringLiteral("unnep.data")));
    EXPECT_THROW(create(), ProgramExit);
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].text.contains(folder.file(QStringLiteral("unnep.data"))));
}

TEST_F(MainFormFixture, UnreadableListStopsTheStartAndIsNotWrittenBack) {
    folder.write(QStringLiteral("task.list"), reminder(5, 0, "Feladat"));
    QFile::remove(folder.file(QStringLiteral("time.list")));
    create();

    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Error);
    EXPECT_EQ(boxes[0].text, QStringLiteral("File not found."));
    // The later steps did not run.
    EXPECT_EQ(window->clbFeladat->count(), 0);
    EXPECT_FALSE(window->SaveSettingsOnClose());

    ASSERT_TRUE(close());
    // The tables that were never read leave their files alone; the calendars are written.
    EXPECT_FALSE(folder.exists(QStringLiteral("time.list")));
    EXPECT_EQ(folder.read(QStringLiteral("task.list")), reminder(5, 0, "Feladat"));
    EXPECT_TRUE(window->isLoaded(Kind::Nevnap));
    EXPECT_FALSE(window->isLoaded(Kind::Feljegyzes));
}

// The lists and calendars are opened for reading and writing: one that may not be written is
// refused at the start (a list as the run-time's error, which stops the start; a calendar with its
// own message), is not loaded, and so is not written back at the close, which goes through.
TEST_F(MainFormFixture, AListOrCalendarThatMayNotBeWrittenIsRefusedAtTheStartAndLeftAlone) {
    const QByteArray appointments = reminder(4, 0, "Fogorvos");
    const QByteArray tasks = reminder(5, 1, "Feladat");
    folder.write(QStringLiteral("time.list"), appointments);
    folder.write(QStringLiteral("task.list"), tasks);
    folder.write(QStringLiteral("memo.list"), reminder(6, 0, "Jegyzet"));
    // Refused as read-only files are (to all but root).
    RegularFile::setWriteProtectedForTesting([&](const QString& path) {
        return path == folder.file("task.list") || path == folder.file("unnep.data");
    });
    create();

    ASSERT_EQ(boxes.size(), 2);
    EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Information);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Hiba: A(z) ") + folder.file("unnep.data") +
                                 QStringLiteral(" fájl feldolgozása nem sikerült!"));
    EXPECT_EQ(boxes[1].kind, Dialogs::Kind::Error);
    EXPECT_EQ(boxes[1].text, QStringLiteral("File access denied."));
    EXPECT_EQ(window->clbIdopont->count(), 1);
    EXPECT_EQ(window->clbFeladat->count(), 0);
    EXPECT_EQ(window->clbFeljegyzes->count(), 0);
    EXPECT_FALSE(window->SaveSettingsOnClose());

    window->clbIdopont->item(0)->setCheckState(Qt::Checked);
    boxes.clear();
    ASSERT_TRUE(close());
    EXPECT_TRUE(boxes.isEmpty()) << boxes.value(0).text.toStdString();
    EXPECT_EQ(folder.read(QStringLiteral("time.list")), reminder(4, 1, "Fogorvos"));
    EXPECT_EQ(folder.read(QStringLiteral("task.list")), tasks);
    EXPECT_EQ(folder.read(QStringLiteral("memo.list")), reminder(6, 0, "Jegyzet"));
    EXPECT_EQ(folder.read(QStringLiteral("unnep.data")), unnep);
}

TEST_F(MainFormFixture, FailedListWriteKeepsTheWindowOpenAndTheOldFile) {
    const QByteArray oldTasks = reminder(5, 0, "Feladat");
    folder.write(QStringLiteral("task.list"), oldTasks);
    folder.write(QStringLiteral("memo.list"), reminder(6, 0, "Jegyzet"));
    create();
    window->clbFeladat->item(0)->setCheckState(Qt::Checked);
    window->clbFeljegyzes->item(0)->setCheckState(Qt::Checked);
    failWritesOf(QStringLiteral("task.list"));

    EXPECT_FALSE(close());
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Error);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Disk full."));
    EXPECT_EQ(folder.read(QStringLiteral("task.list")), oldTasks);
    // The writes after the failed one did not happen.
    EXPECT_EQ(folder.read(QStringLiteral("memo.list")), reminder(6, 0, "Jegyzet"));

    AtomicFile::setFaultForTesting({});
    EXPECT_TRUE(close());
    EXPECT_EQ(folder.read(QStringLiteral("task.list")), reminder(5, 1, "Feladat"));
    EXPECT_EQ(folder.read(QStringLiteral("memo.list")), reminder(6, 1, "Jegyzet"));
}

TEST_F(MainFormFixture, FailedCalendarWriteIsToldAndTheCloseGoesOn) {
    create();
    tables->NevnapList[1].setSelected(true);
    tables->UnnepList[1].setSelected(true);
    failWritesOf(QStringLiteral("nevnap.data"));

    EXPECT_TRUE(close());
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Information);
    EXPECT_EQ(boxes[0].text, QStringLiteral("A névnapok mentése sikertelen."));
    EXPECT_EQ(folder.read(QStringLiteral("nevnap.data")), nevnap);
    EXPECT_EQ(folder.read(QStringLiteral("unnep.data")),
              RecordBytes::day("\xDAj\xE9v", {"01.01"}, true));

    failWritesOf(QStringLiteral("unnep.data"));
    EXPECT_TRUE(close());
    EXPECT_EQ(boxes.last().text, QStringLiteral("Az ünnepek elmentése nem sikerült."));
}

// The tables are written first; a settings file that cannot be written then must not trap the
// user in a window that can no longer be closed.
TEST_F(MainFormFixture, AnUnwritableSettingsFileIsReportedAndTheWindowClosesAllTheSame) {
    folder.write(QStringLiteral("time.list"), reminder(8, 2, "Fogorvos"));
    create();
    failWritesOf(QStringLiteral("Zimpa.ini"));

    EXPECT_TRUE(close());
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Unable to write to ") +
                                 folder.file(QStringLiteral("Zimpa.ini")) + QLatin1Char('.'));
    EXPECT_EQ(folder.read(QStringLiteral("time.list")), reminder(8, 1, "Fogorvos"));
    EXPECT_FALSE(folder.exists(QStringLiteral("Zimpa.ini")));
}

TEST_F(MainFormFixture, KindsOutsideTheFiveDoNothing) {
    create();
    window->LoadList(5);
    window->SaveList(5);
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(MainFormFixture, ListQueries) {
    folder.write(QStringLiteral("time.list"),
                 reminder(1, 0, "a") + reminder(2, 0, "b") + reminder(3, 0, "c"));
    create();
    EXPECT_EQ(TfrmMain::GetSize(window->clbIdopont), 2);
    EXPECT_EQ(TfrmMain::GetSize(window->clbFeladat), -1);
    EXPECT_EQ(TfrmMain::GetSelected(window->clbIdopont), -1);
    window->clbIdopont->item(1)->setSelected(true);
    EXPECT_EQ(TfrmMain::GetSelected(window->clbIdopont), 1);
}
