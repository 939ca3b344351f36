#include "DesktopTest.h"
#include "Polling.h"

namespace {

class ToolkitOptionsTest : public DesktopTest {};

// The toolkit's own options are ignored like any other argument: the windows keep their titles
// (and their left-to-right layout, which the picture shows).
TEST_F(ToolkitOptionsTest, NeitherProgramObeysThem) {
    const QStringList options{QStringLiteral("-qwindowtitle"), QStringLiteral("Masik"),
                              QStringLiteral("-reverse"), QStringLiteral("-style"),
                              QStringLiteral("windows")};
    ProgramRun organiser(folder().program(), options, environment());
    const WindowId window = waitForMainWindow(organiser);
    ASSERT_NE(window, 0u) << organiser.describe().toStdString();
    saveScreenshot(window, QStringLiteral("toolkit-options-ignored"));

    ASSERT_TRUE(folder().write(QStringLiteral("time/9"), "Id\xF5|\xDCzenet\r\n9:00|Fogorvos\r\n"));
    ProgramRun viewer(folder().file(QStringLiteral("Viewer")),
                      options + QStringList{QStringLiteral("-D"), folder().file("time/9")},
                      environment());
    const auto viewerShown = [&] {
        for (const WindowId found :
             desktop().findWindows(QStringLiteral("^Zimpa V2\\.00 \\(El"), viewer.pid()))
            if (desktop().isViewable(found))
                return true;
        return false;
    };
    EXPECT_TRUE(Polling::waitUntil(viewerShown, Polling::StartTimeout))
        << viewer.describe().toStdString();
    EXPECT_TRUE(desktop().findWindows(QStringLiteral("Masik")).isEmpty());
}

} // namespace
