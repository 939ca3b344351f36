#include "DesktopTest.h"
#include "Polling.h"

namespace {

// What docks and task bars read off a window to find its desktop entry: the class of WM_CLASS,
// which the organiser's entry names as its StartupWMClass. The viewer's windows belong to the
// organiser's entry too, under the viewer's own instance name.
class DesktopEntryTest : public DesktopTest {
protected:
    QString windowClass(WindowId window) const {
        return desktop().windowProperty(window, QStringLiteral("WM_CLASS"));
    }
};

TEST_F(DesktopEntryTest, BothProgramsWindowsNameTheOrganisersEntry) {
    ProgramRun& organiser = startOrganiser();
    const WindowId mainWindow = waitForMainWindow(organiser);
    ASSERT_NE(mainWindow, 0u) << organiser.describe().toStdString();
    EXPECT_EQ(windowClass(mainWindow), QStringLiteral("WM_CLASS(STRING) = \"Zimpa\", \"Zimpa\""));
    // The organiser's window shows the programs' picture at every size a task bar may ask for.
    const QString icons = desktop().windowProperty(mainWindow, QStringLiteral("_NET_WM_ICON"));
    for (const int size : {16, 22, 24, 32, 48, 64, 128})
        EXPECT_TRUE(icons.contains(QStringLiteral("Icon (%1 x %1)").arg(size))) << size;

    ASSERT_TRUE(folder().write(QStringLiteral("time/9"), "Id\xF5|\xDCzenet\r\n9:00|Fogorvos\r\n"));
    ProgramRun viewer(folder().file(QStringLiteral("Viewer")),
                      {QStringLiteral("-D"), folder().file(QStringLiteral("time/9"))},
                      environment(), folder().path());
    const WindowId viewerWindow = waitForWindow(viewer, QStringLiteral("^Zimpa V2\\.00 \\(El"));
    ASSERT_NE(viewerWindow, 0u) << viewer.describe().toStdString();
    EXPECT_EQ(windowClass(viewerWindow),
              QStringLiteral("WM_CLASS(STRING) = \"Viewer\", \"Zimpa\""));
}

} // namespace
