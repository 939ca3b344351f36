#include "DayRecordBytes.h"
#include "DesktopTest.h"
#include "Polling.h"
#include "ReminderRecordBytes.h"
#include "UserInput.h"

namespace {

class MainWindowTest : public DesktopTest {};

// Titles as Windows-1250 bytes, the way the files hold them.
const QByteArray Dentist = "Fogorvos";
const QByteArray Pangram =
    "\xC1rv\xEDzt\xFBr\xF5 t\xFCk\xF6rf\xFAr\xF3g\xE9p"; // Árvíztűrő tükörfúrógép
const QByteArray Deleted = "T\xF6r\xF6lt";               // Törölt
const QByteArray Shopping = "Bev\xE1s\xE1rl\xE1s";       // Bevásárlás

TEST_F(MainWindowTest, ShowsTheListsAndWritesThemBackOnClose) {
    const ReminderRecordBytes dentist = ReminderRecordBytes(11, 1, Dentist).reserved(3);
    // A Checked byte of 2 is ticked too; the organiser stores ticks as 1.
    const ReminderRecordBytes pangram =
        ReminderRecordBytes(0x0102030405060708, 2, Pangram).dates("2024.03.15", "2024.03.16");
    // A record with ID 0 ends the used ones: neither it nor anything after it is written back.
    const ReminderRecordBytes unused(0, 1, Deleted);
    const ReminderRecordBytes stray(12, 0,
                                    "K\xF3"
                                    "bor"); // Kóbor
    const ReminderRecordBytes shopping(21, 0, Shopping);
    ASSERT_TRUE(folder().write(QStringLiteral("time.list"),
                               dentist.bytes() + pangram.bytes() + unused.bytes() + stray.bytes()));
    ASSERT_TRUE(folder().write(QStringLiteral("task.list"), shopping.bytes()));
    ASSERT_TRUE(folder().read(QStringLiteral("memo.list")).isEmpty());

    ProgramRun& organiser = startOrganiser();
    const WindowId window = waitForMainWindow(organiser);
    ASSERT_NE(window, 0u) << organiser.describe().toStdString();
    EXPECT_EQ(desktop().windowName(window), MainWindowTitle);
    ASSERT_TRUE(waitUntilActive(window));

    EXPECT_FALSE(saveScreenshot(window, QStringLiteral("main-window")).isEmpty())
        << "no picture of the main window";
    // The keyboard starts on the page tabs: Right shows the tasks' page.
    ASSERT_TRUE(desktop().pressKeys({QStringLiteral("Right")}));
    saveScreenshot(window, QStringLiteral("main-window-tasks"));

    ASSERT_TRUE(requestClose(window));
    ASSERT_TRUE(organiser.waitForExit(Polling::StepTimeout)) << organiser.describe().toStdString();
    EXPECT_EQ(organiser.exitCode(), 0) << organiser.describe().toStdString();
    EXPECT_TRUE(mainWindows().isEmpty());

    EXPECT_EQ(folder().read(QStringLiteral("time.list")),
              dentist.bytes() + pangram.withChecked(1).bytes());
    EXPECT_EQ(folder().read(QStringLiteral("task.list")), shopping.bytes());
    EXPECT_EQ(folder().read(QStringLiteral("memo.list")), QByteArray());
    EXPECT_EQ(folder().read(QStringLiteral("nevnap.data")),
              ProgramFolder::delivered(QStringLiteral("nevnap.data")));
    EXPECT_EQ(folder().read(QStringLiteral("unnep.data")),
              ProgramFolder::delivered(QStringLiteral("unnep.data")));
}

TEST_F(MainWindowTest, TickChangedInTheWindowIsSaved) {
    const ReminderRecordBytes ticked(31, 1, Dentist);
    const ReminderRecordBytes open(32, 0, Pangram);
    const ReminderRecordBytes alsoTicked(33, 2, Shopping);
    ASSERT_TRUE(folder().write(QStringLiteral("time.list"),
                               ticked.bytes() + open.bytes() + alsoTicked.bytes()));

    ProgramRun& organiser = startOrganiser();
    const WindowId window = waitForMainWindow(organiser);
    ASSERT_NE(window, 0u) << organiser.describe().toStdString();
    ASSERT_TRUE(desktop().activate(window));
    // The keyboard starts on the page tabs; Tab moves it into the appointments' list, on its
    // first line, which is not selected yet: there Space unticks it. (On a selected line Space
    // is the command that shows the reminder.)
    ASSERT_TRUE(desktop().pressKeys({QStringLiteral("Tab"), QStringLiteral("space")}));
    saveScreenshot(window, QStringLiteral("tick-changed"));

    ASSERT_TRUE(requestClose(window));
    ASSERT_TRUE(organiser.waitForExit(Polling::StepTimeout)) << organiser.describe().toStdString();
    EXPECT_EQ(organiser.exitCode(), 0);
    EXPECT_EQ(folder().read(QStringLiteral("time.list")),
              ticked.withChecked(0).bytes() + open.bytes() + alsoTicked.withChecked(1).bytes());
}

TEST_F(MainWindowTest, CalendarsAreWrittenBackUpToTheFirstNamelessDay) {
    const DayRecordBytes abel("\xC1"
                              "bel",
                              {"01.02"}, true);                                           // Ábel
    const DayRecordBytes bela = DayRecordBytes("B\xE9la", {"01.19", "12.12"}).pending(2); // Béla
    const DayRecordBytes nameless("", {});
    const DayRecordBytes cecilia("Cec\xEDlia", {"11.22"});       // Cecília
    const DayRecordBytes newYear("\xDAj\xE9v", {"01.01"}, true); // Újév
    ASSERT_TRUE(folder().write(QStringLiteral("nevnap.data"),
                               abel.bytes() + bela.bytes() + nameless.bytes() + cecilia.bytes()));
    ASSERT_TRUE(folder().write(QStringLiteral("unnep.data"), newYear.bytes()));

    ProgramRun& organiser = startOrganiser();
    const WindowId window = waitForMainWindow(organiser);
    ASSERT_NE(window, 0u) << organiser.describe().toStdString();
    ASSERT_TRUE(requestClose(window));
    ASSERT_TRUE(organiser.waitForExit(Polling::StepTimeout)) << organiser.describe().toStdString();
    EXPECT_EQ(organiser.exitCode(), 0);

    EXPECT_EQ(folder().read(QStringLiteral("nevnap.data")), abel.bytes() + bela.bytes());
    EXPECT_EQ(folder().read(QStringLiteral("unnep.data")), newYear.bytes());
}

// Beside the editor, 150 pixels wide, the five tabs wrap into three rows, the active page's row
// next to the pages: "Feljegyzések"; "Névnapok", "Ünnepek"; "Időpontok", "Feladatok". A click on
// the holiday page's tab, right in the middle row, chooses that page, which the organiser stores
// when it closes.
TEST_F(MainWindowTest, EveryTabOfANarrowPageControlIsInViewAndChoosesItsPage) {
    ASSERT_TRUE(folder().write(QStringLiteral("Zimpa.ini"),
                               "[MainForm]\r\nAlign=1\r\nSplitter=150\r\nPageIndex=0\r\n"));
    ProgramRun& organiser = startOrganiser();
    const WindowId window = waitForMainWindow(organiser);
    ASSERT_NE(window, 0u) << organiser.describe().toStdString();
    ASSERT_TRUE(waitUntilActive(window));
    EXPECT_FALSE(saveScreenshot(window, QStringLiteral("page-tabs-narrow")).isEmpty());

    ASSERT_TRUE(UserInput(environment()).click(window, QPoint(115, 97)));
    EXPECT_FALSE(saveScreenshot(window, QStringLiteral("page-tabs-holidays")).isEmpty());
    ASSERT_TRUE(requestClose(window));
    ASSERT_TRUE(organiser.waitForExit(Polling::StepTimeout)) << organiser.describe().toStdString();
    EXPECT_TRUE(folder().read(QStringLiteral("Zimpa.ini")).contains("PageIndex=4\r\n"))
        << folder().read(QStringLiteral("Zimpa.ini")).constData();
}

// The toolkit's own options are ignored like any other argument: the windows keep their titles
// (and their left-to-right layout, which the picture shows).
TEST_F(MainWindowTest, NeitherProgramObeysTheToolkitsOwnOptions) {
    const QStringList options{QStringLiteral("-qwindowtitle"), QStringLiteral("Masik"),
                              QStringLiteral("-reverse"), QStringLiteral("-style"),
                              QStringLiteral("windows")};
    ProgramRun organiser(folder().program(), options, environment());
    const WindowId window = waitForMainWindow(organiser);
    ASSERT_NE(window, 0u) << organiser.describe().toStdString();
    saveScreenshot(window, QStringLiteral("toolkit-options-ignored"));

    ASSERT_TRUE(folder().write(QStringLiteral("time/9"), "Id\xF5|\xDCzenet\r\n9:00|Fogorvos\r\n"));
    // In its program folder, where it keeps its register, as the organiser starts it.
    ProgramRun viewer(folder().file(QStringLiteral("Viewer")),
                      options + QStringList{QStringLiteral("-D"), folder().file("time/9")},
                      environment(), folder().path());
    EXPECT_NE(waitForWindow(viewer, QStringLiteral("^Zimpa V2\\.00 \\(El")), 0u)
        << viewer.describe().toStdString();
    EXPECT_TRUE(desktop().findWindows(QStringLiteral("Masik")).isEmpty());
}

} // namespace
