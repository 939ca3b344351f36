#include "DesktopTest.h"
#include "Polling.h"
#include "UserInput.h"

namespace {

class PageTabsTest : public DesktopTest {};

// Beside the editor, 150 pixels wide, the five tabs wrap into three rows, the active page's row
// next to the pages: "Feljegyzések"; "Névnapok", "Ünnepek"; "Időpontok", "Feladatok". A click on
// the holiday page's tab, right in the middle row, chooses that page, which the organiser stores
// when it closes.
TEST_F(PageTabsTest, EveryTabOfANarrowPageControlIsInViewAndChoosesItsPage) {
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

} // namespace
