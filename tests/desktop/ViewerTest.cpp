#include "DesktopTest.h"
#include "Polling.h"
#include "ReminderRecordBytes.h"

#include <QFile>

#include <memory>

namespace {

const QString ViewerTitle = QStringLiteral("Zimpa V2.00 (Előzetes)");
const QString AlertTitle = QStringLiteral("Zimpa V2.00 - Üzenet");
const QString FakeTimeLibrary =
    QStringLiteral("/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1");

// The organiser and its viewers on a chosen morning: the clock library makes every program of
// the test believe the time, and their clocks run on from there.
class ViewerTest : public DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        if (!QFile::exists(FakeTimeLibrary))
            GTEST_SKIP() << "the clock library is not installed";
    }

    void TearDown() override {
        // Viewers started by other programs are not the test's runs: end them by their windows.
        for (const WindowId window : viewers())
            ProgramRun::run(QStringLiteral("xdotool"),
                            {QStringLiteral("windowkill"), QString::number(window)}, environment(),
                            Polling::StepTimeout);
        m_runs.clear();
        DesktopTest::TearDown();
    }

    QProcessEnvironment at(const QString& dateAndTime) const {
        QProcessEnvironment shifted = environment();
        shifted.insert(QStringLiteral("LD_PRELOAD"), FakeTimeLibrary);
        shifted.insert(QStringLiteral("FAKETIME"), QLatin1Char('@') + dateAndTime);
        return shifted;
    }

    // Started in the program folder, as a log-in script would.
    ProgramRun& startInFolder(const QString& program, const QStringList& arguments,
                              const QProcessEnvironment& env) {
        QStringList shell{QStringLiteral("-c"), QStringLiteral("cd \"$0\" && exec \"$@\""),
                          folder().path(), program};
        m_runs.push_back(
            std::make_unique<ProgramRun>(QStringLiteral("/bin/sh"), shell + arguments, env));
        return *m_runs.back();
    }

    QList<WindowId> viewers() const {
        QList<WindowId> shown;
        for (const WindowId window : desktop().findWindows(QStringLiteral("^Zimpa V2")))
            if (desktop().windowName(window) == ViewerTitle && desktop().isViewable(window))
                shown.append(window);
        return shown;
    }

    WindowId waitForWindow(const QString& title) const {
        WindowId found = 0;
        Polling::waitUntil(
            [&] {
                for (const WindowId window : desktop().findWindows(QStringLiteral("^Zimpa V2")))
                    if (desktop().windowName(window) == title && desktop().isViewable(window))
                        found = window;
                return found != 0;
            },
            Polling::StepTimeout);
        return found;
    }

    std::vector<std::unique_ptr<ProgramRun>> m_runs;
};

TEST_F(ViewerTest, TheOrganiserOpensAViewerThatRaisesTheAlertAtTheRowsTime) {
    ASSERT_TRUE(
        folder().write(QStringLiteral("time.list"), ReminderRecordBytes(1001, 0, "Vonat").bytes()));
    ASSERT_TRUE(folder().write(QStringLiteral("time/1001"),
                               "Id\xF5pont|Eml\xE9keztet\xF5\r\n10:01|Indul\xE1s a vonathoz\r\n"
                               "18:00|Vacsora\r\n"));
    // Every program started under the clock library begins at that moment: the viewer too, a few
    // seconds before its row's minute.
    ProgramRun& organiser = startInFolder(folder().program(), {}, at("2026-12-09 10:00:56"));
    const WindowId mainWindow = waitForMainWindow(organiser);
    ASSERT_NE(mainWindow, 0u) << organiser.describe().toStdString();
    ASSERT_TRUE(desktop().activate(mainWindow));
    // From the page tabs into the list, the line chosen by its first letter, "Megjelenítés...".
    ASSERT_TRUE(
        desktop().pressKeys({QStringLiteral("Tab"), QStringLiteral("v"), QStringLiteral("space")}));

    const WindowId viewer = waitForWindow(ViewerTitle);
    ASSERT_NE(viewer, 0u) << organiser.describe().toStdString();
    saveScreenshot(viewer, QStringLiteral("viewer-table"));
    const WindowId alert = waitForWindow(AlertTitle);
    ASSERT_NE(alert, 0u) << "no alert at the row's time";
    saveScreenshot(alert, QStringLiteral("viewer-alert"));

    // Into the notification area and out of sight.
    ASSERT_TRUE(desktop().hasNotificationArea());
    ASSERT_TRUE(desktop().activate(viewer));
    ASSERT_TRUE(desktop().pressKeys({QStringLiteral("ctrl+r")}));
    EXPECT_TRUE(waitUntilGone(viewer));
}

TEST_F(ViewerTest, TheStartUpScanOpensOneViewerForEachDueReminder) {
    ASSERT_TRUE(folder().write(
        QStringLiteral("time.list"),
        ReminderRecordBytes(2001, 1, "Ma").dates("2026.12.09", "2026.12.09").bytes() +
            ReminderRecordBytes(2002, 1, "Holnapt\xF3l").dates("2026.12.10", "2026.12.11").bytes() +
            ReminderRecordBytes(2003, 0, "Nincs bejel\xF6lve")
                .dates("2026.12.01", "2026.12.31")
                .bytes()));
    ASSERT_TRUE(folder().write(
        QStringLiteral("memo.list"),
        ReminderRecordBytes(2004, 1, "Jegyzet").dates("2026.12.01", "2026.12.09").bytes()));
    ASSERT_TRUE(folder().write(QStringLiteral("time/2001"), "Id\xF5|\xDCzenet\r\n9:00|Reggel\r\n"));
    ASSERT_TRUE(folder().write(QStringLiteral("memo/2004"), "Bev\xE1s\xE1rl\xE1s: keny\xE9r\r\n"));

    ProgramRun& scan = startInFolder(folder().file(QStringLiteral("Viewer")),
                                     {QStringLiteral("-S")}, at("2026-12-09 08:00:00"));
    ASSERT_TRUE(Polling::waitUntil([&] { return viewers().size() >= 2; }, Polling::StepTimeout))
        << scan.describe().toStdString();
    const QList<WindowId> shown = viewers();
    EXPECT_EQ(shown.size(), 2);
    for (int i = 0; i < shown.size(); ++i)
        saveScreenshot(shown[i], QStringLiteral("viewer-scan-%1").arg(i + 1));

    // Local sockets serve only the organiser's single instance: a viewer starts without the
    // network library and the nine it brings (Kerberos, the proxy finder).
    QFile maps(QStringLiteral("/proc/%1/maps").arg(scan.pid()));
    ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
    EXPECT_FALSE(maps.readAll().contains("libQt6Network"));
}

} // namespace
