#include "DesktopTest.h"
#include "Polling.h"
#include "ReminderRecordBytes.h"

#include <QRegularExpression>

namespace {

const QString SettingsTitle = QStringLiteral("Zimpa V2.00 - Beállítások");
const QString AboutTitle = QStringLiteral("Zimpa V2.00 - Névjegy");
const QString HelpTitle = QStringLiteral("Zimpa V2.00 - Súgó");
const QString ViewerTitle = QStringLiteral("Zimpa V2.00 (Előzetes)");
const QString Ini = QStringLiteral("Zimpa.ini");

// The settings dialog, the about window and the help as the user reaches them: through the
// menus and the keyboard of the real programs. The pictures of every page are kept to be looked
// at.
class SettingsDialogTest : public DesktopTest {
protected:
    // A window of the run with exactly that title, once it is on screen; 0 when none came.
    WindowId waitForTitle(ProgramRun& run, const QString& title) {
        return waitForWindow(run, QLatin1Char('^') + QRegularExpression::escape(title) +
                                      QLatin1Char('$'));
    }

    void closeOrganiser(ProgramRun& organiser, WindowId mainWindow) {
        ASSERT_TRUE(requestClose(mainWindow));
        ASSERT_TRUE(organiser.waitForExit(Polling::StepTimeout))
            << organiser.describe().toStdString();
        EXPECT_EQ(organiser.exitCode(), 0);
    }
};

} // namespace

TEST_F(SettingsDialogTest, OkWritesTheDialogsKeysAndTemplateAndTheOrganisersCloseLeavesThem) {
    // The main window's own keys from an earlier run: the dialog's OK keeps them.
    ASSERT_TRUE(folder().write(Ini, "[MainForm]\r\nTop=80\r\nPageIndex=1\r\n"));
    ProgramRun& organiser = startOrganiser();
    const WindowId mainWindow = waitForMainWindow(organiser);
    ASSERT_NE(mainWindow, 0u) << organiser.describe().toStdString();
    // "Beállítások", "Általános beállítások...": the keyboard starts on the dialog's page tabs.
    ASSERT_TRUE(waitUntilActive(mainWindow) && keys("alt+b b"));
    const WindowId dialog = waitForTitle(organiser, SettingsTitle);
    ASSERT_NE(dialog, 0u) << organiser.describe().toStdString();
    ASSERT_TRUE(waitUntilActive(dialog));
    saveScreenshot(dialog, QStringLiteral("settings-1-organiser-view"));

    // The horizontal layout: past the inner tabs and the two tool-bar boxes to the layout's
    // radio buttons.
    ASSERT_TRUE(keys("Tab Tab Tab Tab Down"));
    // Back to the inner tabs, on through the pages; the font typed on its page.
    ASSERT_TRUE(keys("shift+Tab shift+Tab shift+Tab Right"));
    saveScreenshot(dialog, QStringLiteral("settings-2-organiser-work"));
    ASSERT_TRUE(keys("Right Tab ctrl+a D e j a V u space S a n s"));
    saveScreenshot(dialog, QStringLiteral("settings-3-organiser-font"));
    ASSERT_TRUE(keys("shift+Tab Right"));
    saveScreenshot(dialog, QStringLiteral("settings-4-organiser-templates"));
    // "Feladat" picked in the templates' list, five rows typed; back to the inner tabs.
    ASSERT_TRUE(keys("Tab Down Tab ctrl+a 5"));
    saveScreenshot(dialog, QStringLiteral("settings-task-template"));
    // The viewer's pages: the transparency four steps of ten up.
    ASSERT_TRUE(keys("shift+Tab shift+Tab shift+Tab Right Tab Tab Prior Prior Prior Prior"));
    saveScreenshot(dialog, QStringLiteral("settings-5-viewer-view"));
    ASSERT_TRUE(keys("shift+Tab Right"));
    saveScreenshot(dialog, QStringLiteral("settings-6-viewer-work"));
    ASSERT_TRUE(keys("Right"));
    saveScreenshot(dialog, QStringLiteral("settings-7-viewer-font"));
    ASSERT_TRUE(keys("shift+Tab Right"));
    saveScreenshot(dialog, QStringLiteral("settings-8-update"));

    // OK by its key, then the restart message confirmed.
    ASSERT_TRUE(keys("alt+o"));
    const WindowId box = waitForBox(organiser);
    ASSERT_NE(box, 0u) << "no restart message";
    saveScreenshot(box, QStringLiteral("settings-restart-message"));
    ASSERT_TRUE(confirmBox(box));
    EXPECT_TRUE(waitUntilGone(dialog));
    const QByteArray written =
        "[MainForm]\r\nTop=80\r\nPageIndex=1\r\ntbFile=1\r\ntbNevnap=1\r\nAlign=0\r\n"
        "StayOnTop=1\r\nEditor=1\r\nEnablePast=1\r\nFontName=DejaVu Sans\r\nFontSize=10\r\n"
        "[ViewForm]\r\nTransparent=40\r\nFontName=Arial\r\nFontSize=10\r\n"
        "[General]\r\nBackupTime=300\r\nUpdateServer=http://www.zimpa.hu\r\n";
    EXPECT_EQ(folder().read(Ini), written);
    // The task template shown at OK has exactly its five rows; the appointment template was
    // written unchanged when the task's was picked.
    EXPECT_EQ(folder().read(QStringLiteral("task/template")),
              QByteArray("Hat\xE1rid\xF5|Feladat\r\n|\r\n|\r\n|\r\n|\r\n"));
    EXPECT_EQ(folder().read(QStringLiteral("time/template")),
              ProgramFolder::delivered(QStringLiteral("time/template")));

    closeOrganiser(organiser, mainWindow);
    EXPECT_EQ(folder().read(Ini), written);
}

TEST_F(SettingsDialogTest, TheAboutWindowAndTheHelpFromTheOrganisersMenu) {
    ProgramRun& organiser = startOrganiser();
    const WindowId mainWindow = waitForMainWindow(organiser);
    ASSERT_NE(mainWindow, 0u) << organiser.describe().toStdString();
    ASSERT_TRUE(waitUntilActive(mainWindow));

    // "Segítség", its last item "Névjegy...".
    ASSERT_TRUE(keys("alt+s Up Return"));
    const WindowId about = waitForTitle(organiser, AboutTitle);
    ASSERT_NE(about, 0u) << organiser.describe().toStdString();
    ASSERT_TRUE(waitUntilActive(about));
    saveScreenshot(about, QStringLiteral("about-organiser-1"));
    ASSERT_TRUE(keys("Right"));
    saveScreenshot(about, QStringLiteral("about-organiser-2-licence"));
    ASSERT_TRUE(keys("alt+o"));
    ASSERT_TRUE(waitUntilGone(about));

    // Its first item: the help, at its contents, from the program folder.
    ASSERT_TRUE(waitUntilActive(mainWindow));
    ASSERT_TRUE(keys("alt+s Return"));
    const WindowId help = waitForTitle(organiser, HelpTitle);
    ASSERT_NE(help, 0u) << organiser.describe().toStdString();
    saveScreenshot(help, QStringLiteral("help-contents"));
    closeOrganiser(organiser, mainWindow);
}

// Over a main window that stays on top of the others, each window the organiser opens comes up
// above it, the help too, and stays there when the main window gets the keyboard back. At the
// main window's 14 points and red, the settings dialog's page tabs wrap, and the about window's
// logo, links and licence keep their own fonts and colours (the pictures show them).
TEST_F(SettingsDialogTest, TheOrganisersWindowsStayAboveAStayOnTopMainWindow) {
    // Larger than the help, so that the picture shows the one over the other.
    ASSERT_TRUE(folder().write(Ini, "[MainForm]\r\nStayOnTop=1\r\nFontSize=14\r\n"
                                    "FontColor=clRed\r\nLeft=20\r\nTop=20\r\nWidth=900\r\n"
                                    "Height=700\r\n"));
    ProgramRun& organiser = startOrganiser();
    const WindowId mainWindow = waitForMainWindow(organiser);
    ASSERT_NE(mainWindow, 0u) << organiser.describe().toStdString();
    const auto open = [&](const QString& keysToOpen, const QString& title) {
        WindowId window = 0;
        if (waitUntilActive(mainWindow) && keys(keysToOpen))
            window = waitForTitle(organiser, title);
        EXPECT_TRUE(Polling::waitUntil([&] { return window && isAbove(window, mainWindow); },
                                       Polling::StepTimeout))
            << title.toStdString();
        return window;
    };

    const WindowId dialog = open(QStringLiteral("alt+b b"), SettingsTitle);
    saveScreenshot(dialog, QStringLiteral("settings-14pt"));
    ASSERT_TRUE(desktop().activate(dialog) && keys("alt+m") && waitUntilGone(dialog));
    const WindowId about = open(QStringLiteral("alt+s Up Return"), AboutTitle);
    saveScreenshot(about, QStringLiteral("about-red-font"));
    ASSERT_TRUE(desktop().activate(about) && keys("alt+o") && waitUntilGone(about));
    const WindowId help = open(QStringLiteral("alt+s Return"), HelpTitle);
    ASSERT_TRUE(desktop().activate(mainWindow));
    EXPECT_TRUE(isAbove(help, mainWindow));
    saveScreenshot({mainWindow, help}, QStringLiteral("help-over-stay-on-top"));
    closeOrganiser(organiser, mainWindow);
}

TEST_F(SettingsDialogTest, TheAboutWindowFromTheViewersMenu) {
    ASSERT_TRUE(folder().write(QStringLiteral("time/3001"),
                               "Id\xF5pont|Eml\xE9keztet\xF5\r\n23:59|K\xE9s\xF5 este\r\n"));
    const QStringList arguments{QStringLiteral("-c"), QStringLiteral("cd \"$0\" && exec \"$@\""),
                                folder().path(),      folder().file(QStringLiteral("Viewer")),
                                QStringLiteral("-D"), QStringLiteral("time/3001")};
    ProgramRun viewer(QStringLiteral("/bin/sh"), arguments, environment());
    const WindowId window = waitForTitle(viewer, ViewerTitle);
    ASSERT_NE(window, 0u) << viewer.describe().toStdString();
    ASSERT_TRUE(desktop().activate(window));
    // The pop-up menu by its key; from its end, "Bezár" and then "Névjegy".
    ASSERT_TRUE(keys("Menu Up Up Return"));
    const WindowId about = waitForTitle(viewer, AboutTitle);
    ASSERT_NE(about, 0u) << viewer.describe().toStdString();
    saveScreenshot(about, QStringLiteral("about-viewer"));
    ASSERT_TRUE(desktop().activate(about));
    ASSERT_TRUE(keys("alt+o"));
    EXPECT_TRUE(waitUntilGone(about));
    EXPECT_TRUE(viewer.isRunning());
}
