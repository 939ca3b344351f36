#include "ViewFormFixture.h"

#include <QAction>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>

namespace {

const QByteArray Appointment = "Id\xF5pont|Eml\xE9keztet\xF5\r\n"
                               "8:00|Reggeli\r\n"
                               "10:00|Megbesz\xE9l\xE9s\r\n"
                               "10:00|K\xE1v\xE9\r\n"
                               "11:30|\r\n"
                               "nincs elv\xE1laszt\xF3\r\n"
                               "a|b|14:00|D\xE9lut\xE1n\r\n";

} // namespace

class ViewFormTableTest : public ViewFormFixture {
protected:
    void show(const QByteArray& content, const QString& path = QStringLiteral("time/1001")) {
        folder.write(QStringLiteral("time/1001"), content);
        ASSERT_TRUE(create({QStringLiteral("-D"), path}));
    }
};

TEST_F(ViewFormTableTest, TheFirstLineIsTheFixedHeaderAndEveryLineIsSplitAtItsLastBar) {
    show(Appointment);
    EXPECT_TRUE(window->tZimpa->isVisibleTo(window.get()));
    EXPECT_FALSE(window->mZimpa->isVisibleTo(window.get()));
    ASSERT_EQ(window->tZimpa->rowCount(), 7);
    EXPECT_EQ(cell(0, 0), QStringLiteral("Időpont"));
    EXPECT_EQ(cell(0, 1), QStringLiteral("Emlékeztető"));
    EXPECT_EQ(window->tZimpa->horizontalHeaderItem(1)->text(), QStringLiteral("Emlékeztető"));
    EXPECT_TRUE(window->tZimpa->isRowHidden(0)) << "shown above the rows, as the header";
    EXPECT_FALSE(window->tZimpa->horizontalHeader()->isHidden());
    EXPECT_TRUE(window->tZimpa->item(1, 1)->flags().testFlag(Qt::ItemIsEditable));
    EXPECT_EQ(cell(5, 0), QString());
    EXPECT_EQ(cell(5, 1), QString());
    EXPECT_EQ(cell(6, 0), QStringLiteral("a|b|14:00"));
    EXPECT_EQ(cell(6, 1), QStringLiteral("Délután"));
    // Every row's time is armed as written, the header's too.
    EXPECT_EQ(window->AlarmTimes().slot(0), QStringLiteral("Időpont"));
    EXPECT_EQ(window->AlarmTimes().slot(1), QStringLiteral("8:00"));
    EXPECT_EQ(window->AlarmTimes().slot(5), QString());
    EXPECT_TRUE(window->Timer1->isActive());
    EXPECT_EQ(window->CurrentFile(), QStringLiteral("time/1001"));
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(ViewFormTableTest, AlarmsFireAtTheirMinuteWithTheTwoLinesAndNeverTwice) {
    show(Appointment);
    at(9, 59, 59);
    window->Timer1Timer();
    EXPECT_EQ(window->statusText(), QStringLiteral("2026.03.14. 9:59:59"));
    EXPECT_EQ(alertText(), QString());
    at(10, 0, 0);
    window->Timer1Timer();
    // Two rows of one minute: each adds its lines and pops the window up again.
    EXPECT_EQ(alertText(),
              QStringLiteral("A(z) 10:00 időpontra az alábbi emlékeztetőt jegyezted be:\n"
                             "Megbeszélés\n"
                             "A(z) 10:00 időpontra az alábbi emlékeztetőt jegyezted be:\n"
                             "Kávé"));
    EXPECT_TRUE(alert->isVisible());
    EXPECT_FALSE(window->TrayIcon->CycleIcons()) << "the icon calls only while the alert rises";
    alert->btnCloseClick();
    at(10, 0, 1);
    window->Timer1Timer();
    at(10, 0, 59);
    window->Timer1Timer();
    EXPECT_EQ(alertText(), QString());
    EXPECT_EQ(window->statusText(), QStringLiteral("2026.03.14. 10:00:59"));
}

TEST_F(ViewFormTableTest, ARowWithoutAMessageLosesItsAlarmSilently) {
    show(Appointment);
    at(11, 30, 0);
    window->Timer1Timer();
    EXPECT_EQ(alertText(), QString());
    EXPECT_EQ(window->AlarmTimes().slot(4), QString());
    EXPECT_FALSE(alert->isVisible());
}

TEST_F(ViewFormTableTest, AMinuteSkippedByASleepingMachineStillFiresThatDay) {
    show(Appointment);
    at(7, 59, 0);
    window->Timer1Timer();
    at(10, 30, 0); // woken up
    window->Timer1Timer();
    EXPECT_EQ(alertText().count(QStringLiteral("időpontra")), 3);
    EXPECT_TRUE(alertText().startsWith(
        QStringLiteral("A(z) 8:00 időpontra az alábbi emlékeztetőt jegyezted be:\nReggeli\n")));
    alert->btnCloseClick();
    at(10, 30, 1);
    window->Timer1Timer();
    EXPECT_EQ(alertText(), QString());
}

TEST_F(ViewFormTableTest, EditedMessagesCountAtOnceEditedTimesOnlyAfterSavingTheState) {
    show(Appointment);
    EXPECT_FALSE(window->PopupMenu1_Save->isEnabled());
    window->tZimpa->item(2, 1)->setText(QStringLiteral("Áttéve"));
    window->tZimpa->item(1, 0)->setText(QStringLiteral("10:01"));
    EXPECT_TRUE(window->PopupMenu1_Save->isEnabled()) << "a cell edit enables saving the state";
    at(8, 0, 0);
    window->Timer1Timer();
    EXPECT_EQ(alertText(), QStringLiteral("A(z) 8:00 időpontra az alábbi emlékeztetőt jegyezted "
                                          "be:\nReggeli"))
        << "the edited time is not armed yet";
    alert->btnCloseClick();

    at(9, 0, 0);
    window->Timer1Timer();
    window->PopupMenu1_Save->trigger();
    EXPECT_FALSE(window->PopupMenu1_Save->isEnabled());
    EXPECT_EQ(window->AlarmTimes().slot(1), QStringLiteral("10:01"));
    EXPECT_EQ(window->AlarmTimes().slot(2), QStringLiteral("10:00")) << "armed again";
    at(10, 0, 0);
    window->Timer1Timer();
    EXPECT_EQ(alertText(), QStringLiteral("A(z) 10:00 időpontra az alábbi emlékeztetőt jegyezted "
                                          "be:\nÁttéve\nA(z) 10:00 időpontra az alábbi "
                                          "emlékeztetőt jegyezted be:\nKávé"));
    alert->btnCloseClick();
    at(10, 1, 0);
    window->Timer1Timer();
    EXPECT_EQ(alertText(), QStringLiteral("A(z) 10:01 időpontra az alábbi emlékeztetőt jegyezted "
                                          "be:\nReggeli"));
}

TEST_F(ViewFormTableTest, ReloadingDropsEditsAndArmsEveryRowFromTheFileAgain) {
    show(Appointment);
    at(8, 0, 0);
    window->Timer1Timer();
    EXPECT_EQ(window->AlarmTimes().slot(1), QString());
    window->tZimpa->item(2, 1)->setText(QStringLiteral("Áttéve"));
    folder.write(QStringLiteral("time/1001"), "Id\xF5|Mi\r\n8:00|Reggeli\r\n");
    window->PopupMenu1_Load->trigger();
    EXPECT_FALSE(window->PopupMenu1_Save->isEnabled());
    EXPECT_EQ(window->tZimpa->rowCount(), 2) << "a shorter file shrinks the table";
    EXPECT_EQ(cell(1, 1), QStringLiteral("Reggeli"));
    EXPECT_EQ(window->tZimpa->horizontalHeaderItem(0)->text(), QStringLiteral("Idő"));
    EXPECT_EQ(window->AlarmTimes().slot(1), QStringLiteral("8:00"));
    alert->btnCloseClick();
    at(8, 0, 1);
    window->Timer1Timer();
    EXPECT_EQ(alertText(), QStringLiteral("A(z) 8:00 időpontra az alábbi emlékeztetőt jegyezted "
                                          "be:\nReggeli"));
}

TEST_F(ViewFormTableTest, AnEmptyFileKeepsTheRowsEmptiedAndTheirOldSlots) {
    show(Appointment);
    folder.write(QStringLiteral("time/1001"), {});
    window->LoadFile(QStringLiteral("time/1001"));
    EXPECT_EQ(window->tZimpa->rowCount(), 7);
    for (int row = 0; row < 7; ++row)
        EXPECT_EQ(cell(row, 0) + cell(row, 1), QString());
    EXPECT_EQ(window->AlarmTimes().slot(1), QStringLiteral("8:00"));
    EXPECT_EQ(window->tZimpa->horizontalHeaderItem(0)->text(), QString());
}

TEST_F(ViewFormTableTest, AFileOfOneLineCannotFixItsHeaderAndStartsNoClock) {
    show("Id\xF5pont|Eml\xE9keztet\xF5\r\n");
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Error);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Fixed row count must be less than row count."));
    ASSERT_EQ(window->tZimpa->rowCount(), 1);
    EXPECT_EQ(cell(0, 0), QStringLiteral("Időpont"));
    EXPECT_FALSE(window->tZimpa->isRowHidden(0)) << "the one row stays a row";
    EXPECT_FALSE(window->Timer1->isActive());
}

TEST_F(ViewFormTableTest, TheWholeGridAndANoteFollowTheStoredFontAndColour) {
    folder.write(QStringLiteral("Zimpa.ini"),
                 "[ViewForm]\r\nFontName=Courier\r\nFontSize=14\r\nFontColor=clRed\r\n");
    show(Appointment);
    const QHeaderView* header = window->tZimpa->horizontalHeader();
    EXPECT_EQ(header->font().pointSize(), 14);
    EXPECT_EQ(header->font().family(), window->tZimpa->font().family());
    EXPECT_EQ(header->palette().color(QPalette::ButtonText), QColor(Qt::red));
    EXPECT_EQ(window->tZimpa->palette().color(QPalette::Text), QColor(Qt::red));
}

TEST_F(ViewFormTableTest, ANoteOpensAtItsBeginning) {
    QByteArray note;
    for (int i = 1; i <= 200; ++i)
        note += "Sor " + QByteArray::number(i) + "\r\n";
    folder.write(QStringLiteral("memo/1001"), note);
    ASSERT_TRUE(create({QStringLiteral("-D"), QStringLiteral("memo/1001")}));
    window->show();
    EXPECT_EQ(window->mZimpa->textCursor().position(), 0);
    EXPECT_EQ(window->mZimpa->verticalScrollBar()->value(), 0);
}

TEST_F(ViewFormTableTest, ALongFileFillsTheTwoHundredFiftySixRowsOnly) {
    QByteArray content = "Id\xF5pont|Eml\xE9keztet\xF5\r\n";
    for (int i = 1; i < 300; ++i)
        content += QByteArray::number(i % 24) + ":00|Sor " + QByteArray::number(i) + "\r\n";
    show(content);
    EXPECT_EQ(window->tZimpa->rowCount(), 256);
    EXPECT_EQ(cell(255, 1), QStringLiteral("Sor 255"));
}

TEST_F(ViewFormTableTest, AMissingTableNamesTheFileLookedForAndLeavesTheClockAsItWas) {
    ASSERT_TRUE(create({QStringLiteral("-D"), QStringLiteral("task/77")}));
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Error);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Hiba: a(z) ") +
                                 folder.file(QStringLiteral("task/77")) +
                                 QStringLiteral(" fájl feldolgozása nem sikerült."));
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_TRUE(window->tZimpa->isVisibleTo(window.get()));
    EXPECT_EQ(window->tZimpa->rowCount(), 24);
}

TEST_F(ViewFormTableTest, ATableThatCannotBeOpenedIsReportedAndTheClockRunsWithoutAlarms) {
    QDir(folder.path()).mkdir(QStringLiteral("time/3")); // there, but no file to read
    ASSERT_TRUE(create({QStringLiteral("-D"), QStringLiteral("time/3")}));
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Hiba: a(z) time/3 fájl megnyitása nem sikerült."));
    EXPECT_TRUE(window->Timer1->isActive());
    EXPECT_TRUE(window->tZimpa->isRowHidden(0));
}

TEST_F(ViewFormTableTest, ABackslashSeparatesFoldersToo) {
    show(Appointment, QStringLiteral("time\\1001"));
    EXPECT_TRUE(boxes.isEmpty());
    EXPECT_EQ(cell(1, 1), QStringLiteral("Reggeli"));
    EXPECT_EQ(window->CurrentFile(), QStringLiteral("time\\1001"));
}

TEST_F(ViewFormTableTest, TheKindFollowsTheWordsAnywhereInThePath) {
    QDir(folder.path()).mkpath(QStringLiteral("timetable/memo"));
    folder.write(QStringLiteral("timetable/memo/5"), "Id|\r\n9:00|Mondat\r\n");
    folder.write(QStringLiteral("memo/Time"), "Egy jegyzet");
    ASSERT_TRUE(create({QStringLiteral("-D"), folder.file(QStringLiteral("timetable/memo/5"))}));
    EXPECT_TRUE(window->tZimpa->isVisibleTo(window.get()));
    window->LoadFile(QStringLiteral("memo/Time")); // the words are compared as written
    EXPECT_TRUE(window->mZimpa->isVisibleTo(window.get()));
    EXPECT_EQ(noteText(), QStringLiteral("Egy jegyzet"));
    EXPECT_TRUE(window->Timer1->isActive()) << "once running, the clock goes on under a note";
}

TEST_F(ViewFormTableTest, ANoteViewerShowsItsTextAndHasNoClock) {
    folder.write(QStringLiteral("memo/9"), "Els\xF5 sor\r\nM\xE1sodik sor\r\n");
    ASSERT_TRUE(create({QStringLiteral("-D"), QStringLiteral("memo/9")}));
    EXPECT_TRUE(window->mZimpa->isVisibleTo(window.get()));
    EXPECT_FALSE(window->tZimpa->isVisibleTo(window.get()));
    EXPECT_EQ(noteText(), QStringLiteral("Első sor\nMásodik sor\n"));
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_EQ(window->statusText(), QString());

    folder.write(
        QStringLiteral("memo/9"),
        "{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0 Arial;}}\\f0 Gazdag \\b sz\\'f6veg\\b0\\par}");
    window->PopupMenu1_Load->trigger();
    EXPECT_EQ(noteText(), QStringLiteral("Gazdag szöveg"));

    QFile::remove(folder.file(QStringLiteral("memo/9")));
    window->PopupMenu1_Load->trigger();
    EXPECT_EQ(noteText(), QStringLiteral("Gazdag szöveg")) << "kept silently";
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(ViewFormTableTest, AnEmptyPathShowsTheEmptyNoteBox) {
    ASSERT_TRUE(create({QStringLiteral("-D")}));
    EXPECT_TRUE(window->mZimpa->isVisibleTo(window.get()));
    EXPECT_EQ(window->mZimpa->toPlainText(), QString());
    EXPECT_TRUE(boxes.isEmpty());
    window->PopupMenu1_Load->trigger();
    EXPECT_TRUE(window->mZimpa->isVisibleTo(window.get()));
}
