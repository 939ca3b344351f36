#include "DesktopTest.h"
#include "Polling.h"

namespace {

class ToolkitOptionsTest : public DesktopTest {};

// The toolkit's own options are no options of the programs: they are ignored like any other
// argument, so the windows keep their titles and their left-to-right layout.
TEST_F(ToolkitOptionsTest, NeitherProgramObeysThem) {
    const QStringList options{QStringLiteral("-qwindowtitle"), QStringLiteral("Masik"),
                              QStringLiteral("-reverse"), QStringLiteral("-style"),
                              QStringLiteral("windows")};
    ProgramRun organiser(folder().program(), options, environment());
    const WindowId window = waitForMainWindow(organiser);
    ASSERT_NE(window, 0u) << organiser.describe().toStdString();
    saveScreenshot(window, QStringLiteral("toolkit-options-ignored"));

    ASSERT_TRUE(folder().write(QStringLiteral("time/9"), "Id\xF5|\xDCzenet\r\n"));
    ProgramRun viewer(folder().file(QStringLiteral("Viewer")),
                      options + QStringList{QStringLiteral("-D"), folder().file("time/9")},
                      environment());
    QList<WindowId> shown;
    ASSERT_TRUE(Polling::waitUntil(
        [&] {
            shown = desktop().findWindows(QStringLiteral("."), viewer.pid());
            return !viewer.isRunning() || !shown.isEmpty();
        },
        Polling::StartTimeout));
    ASSERT_TRUE(viewer.isRunning()) << viewer.describe().toStdString();
    for (const WindowId found : shown)
        EXPECT_NE(desktop().windowName(found), QStringLiteral("Masik"));
    EXPECT_FALSE(
        desktop().findWindows(QStringLiteral("^Zimpa V2\\.00 \\(El"), viewer.pid()).isEmpty());
}

} // namespace
