#include "DayRecordBytes.h"
#include "DesktopTest.h"
#include "Polling.h"

#include <QFile>

#include <memory>

namespace {

const QString AlertTitle = QStringLiteral("Zimpa V2.00 - Üzenet");
const QString FakeTimeLibrary =
    QStringLiteral("/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1");

// The organiser started on a chosen day: the clock library makes it believe it is that morning,
// and its clock runs on from there.
class AlertTest : public DesktopTest {
protected:
    ProgramRun& startOrganiserOn(const QString& dateAndTime) {
        QProcessEnvironment shifted = environment();
        shifted.insert(QStringLiteral("LD_PRELOAD"), FakeTimeLibrary);
        shifted.insert(QStringLiteral("FAKETIME"), QLatin1Char('@') + dateAndTime);
        m_runs.push_back(std::make_unique<ProgramRun>(folder().program(), QStringList{}, shifted));
        return *m_runs.back();
    }

    WindowId waitForAlert(ProgramRun& run) {
        WindowId found = 0;
        Polling::waitUntil(
            [&] {
                for (const WindowId window : desktop().findWindows(AlertTitle, run.pid())) {
                    if (desktop().isViewable(window))
                        found = window;
                }
                return found != 0 || !run.isRunning();
            },
            Polling::StepTimeout);
        return found;
    }

    void closeAndWait(ProgramRun& run, WindowId mainWindow) {
        ASSERT_TRUE(requestClose(mainWindow));
        ASSERT_TRUE(run.waitForExit(Polling::StepTimeout)) << run.describe().toStdString();
    }

    std::vector<std::unique_ptr<ProgramRun>> m_runs;
};

TEST_F(AlertTest, AFollowedNameDayIsAnnouncedOnItsDayAndOnlyOnce) {
    if (!QFile::exists(FakeTimeLibrary))
        GTEST_SKIP() << "the clock library is not installed";
    DayRecordBytes followed("Istv\xE1n", {"08.20", "12.26"}, true);
    DayRecordBytes other("Lajos", {"08.25"}, true);
    for (int k = 1; k <= 16; ++k) {
        followed.pending(k);
        other.pending(k);
    }
    const QByteArray notFollowed = DayRecordBytes("Ad\xE9l", {"12.26"}).pending(1).bytes();
    ASSERT_TRUE(folder().write(QStringLiteral("nevnap.data"),
                               followed.bytes() + notFollowed + other.bytes()));
    DayRecordBytes holiday("Kar\xE1"
                           "csony m\xE1snapja",
                           {"12.26"}, true);
    ASSERT_TRUE(folder().write(QStringLiteral("unnep.data"), holiday.bytes()));

    ProgramRun& first = startOrganiserOn(QStringLiteral("2026-12-26 09:00:00"));
    const WindowId mainWindow = waitForMainWindow(first);
    ASSERT_NE(mainWindow, 0u) << first.describe().toStdString();
    const WindowId alert = waitForAlert(first);
    ASSERT_NE(alert, 0u) << first.describe().toStdString();
    saveScreenshot(alert, QStringLiteral("alert-name-day"));
    closeAndWait(first, mainWindow);

    // Date 2 of the followed day was announced and is no longer due; nothing else changed.
    const QByteArray afterFirst = folder().read(QStringLiteral("nevnap.data"));
    QByteArray expected = followed.bytes() + notFollowed + other.bytes();
    expected[2] = 0;
    EXPECT_EQ(afterFirst, expected);
    EXPECT_EQ(folder().read(QStringLiteral("unnep.data")), holiday.bytes());

    // Later that day a holiday is followed as well: the next start announces it, and the name
    // day, already announced, stays unannounced.
    DayRecordBytes dueHoliday = holiday;
    dueHoliday.pending(1);
    ASSERT_TRUE(folder().write(QStringLiteral("unnep.data"), dueHoliday.bytes()));
    ProgramRun& second = startOrganiserOn(QStringLiteral("2026-12-26 15:00:00"));
    const WindowId secondWindow = waitForMainWindow(second);
    ASSERT_NE(secondWindow, 0u) << second.describe().toStdString();
    const WindowId secondAlert = waitForAlert(second);
    ASSERT_NE(secondAlert, 0u) << second.describe().toStdString();
    saveScreenshot(secondAlert, QStringLiteral("alert-holiday-only"));
    closeAndWait(second, secondWindow);
    EXPECT_EQ(folder().read(QStringLiteral("nevnap.data")), afterFirst);
    EXPECT_EQ(folder().read(QStringLiteral("unnep.data")), holiday.bytes());
}

} // namespace
