#include "DesktopTest.h"
#include "Polling.h"

#include <QTemporaryDir>

namespace {

class SecondStartTest : public DesktopTest {
protected:
    // Starts the organiser a second time from the same folder and expects it to hand over to
    // the running copy and end at once, without a window of its own.
    void startSecondCopy(WindowId firstWindow) {
        ProgramRun& second = startOrganiser();
        ASSERT_TRUE(second.started()) << second.describe().toStdString();
        ASSERT_TRUE(second.waitForExit(Polling::StepTimeout)) << second.describe().toStdString();
        EXPECT_EQ(second.exitCode(), 0) << second.describe().toStdString();
        EXPECT_EQ(mainWindows(), QList<WindowId>{firstWindow});
    }
};

TEST_F(SecondStartTest, BringsBackTheMinimisedWindowAndEnds) {
    ProgramRun& first = startOrganiser();
    const WindowId window = waitForMainWindow(first);
    ASSERT_NE(window, 0u) << first.describe().toStdString();
    ASSERT_TRUE(desktop().minimise(window));
    ASSERT_TRUE(waitUntilGone(window));
    // The window manager hands the keyboard on once the window is off screen.
    ASSERT_TRUE(Polling::waitUntil([&] { return desktop().activeWindow() != window; },
                                   Polling::StepTimeout));

    startSecondCopy(window);

    EXPECT_TRUE(
        Polling::waitUntil([&] { return desktop().isViewable(window); }, Polling::StepTimeout))
        << "the minimised window did not come back";
    EXPECT_TRUE(waitUntilActive(window)) << "the window did not get the keyboard";
    EXPECT_TRUE(first.isRunning());
}

TEST_F(SecondStartTest, RaisesTheWindowFromBehindAnother) {
    ProgramRun& first = startOrganiser();
    const WindowId window = waitForMainWindow(first);
    ASSERT_NE(window, 0u) << first.describe().toStdString();

    // A maximised window of another program in front of the organiser, with the keyboard.
    const auto cover = desktop().startCoveringWindow(QStringLiteral("Elotte"));
    WindowId coverWindow = 0;
    ASSERT_TRUE(Polling::waitUntil(
        [&] {
            const QList<WindowId> found = desktop().findWindows(QStringLiteral("^Elotte$"));
            coverWindow = found.isEmpty() ? 0 : found.first();
            return coverWindow != 0 && desktop().activeWindow() == coverWindow;
        },
        Polling::StartTimeout))
        << cover->describe().toStdString();
    ASSERT_TRUE(isAbove(coverWindow, window));

    startSecondCopy(window);

    EXPECT_TRUE(waitUntilActive(window)) << "the window did not get the keyboard";
    EXPECT_TRUE(
        Polling::waitUntil([&] { return isAbove(window, coverWindow); }, Polling::StepTimeout))
        << "the window is still behind the other one";
    EXPECT_TRUE(desktop().isViewable(window));
    saveScreenshot(window, QStringLiteral("raised-by-second-start"));
}

// Another copy of the program, in another folder: the user still means the organiser that runs.
TEST_F(SecondStartTest, ACopyFromAnotherFolderBringsTheRunningOneForward) {
    ProgramRun& first = startOrganiser();
    const WindowId window = waitForMainWindow(first);
    ASSERT_NE(window, 0u) << first.describe().toStdString();
    ASSERT_TRUE(desktop().minimise(window));
    ASSERT_TRUE(waitUntilGone(window));

    QTemporaryDir otherPlace;
    const ProgramFolder copy(otherPlace.filePath(QStringLiteral("Masik")));
    ProgramRun second(copy.program(), {}, environment());
    ASSERT_TRUE(second.waitForExit(Polling::StepTimeout)) << second.describe().toStdString();
    EXPECT_TRUE(
        Polling::waitUntil([&] { return desktop().isViewable(window); }, Polling::StepTimeout))
        << "the running organiser did not come forward";
    EXPECT_EQ(mainWindows(), QList<WindowId>{window});
}

} // namespace
