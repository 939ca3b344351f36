#include "DesktopTest.h"
#include "Polling.h"

#include <cstdlib>
#include <memory>

namespace {

// The viewer's boxes that come before its window: the program's information ("-L") and the
// list of options of a start without any. Each fits the screen, its text wrapped, and stands in
// the screen's middle; OK ends the viewer.
class ViewerBoxTest : public DesktopTest,
                      public ::testing::WithParamInterface<std::pair<const char*, QStringList>> {};

TEST_P(ViewerBoxTest, ABoxBeforeTheWindowFitsTheScreenInItsMiddle) {
    const auto& [name, arguments] = GetParam();
    // Started in the program folder, where it keeps its register.
    const QStringList shell{QStringLiteral("-c"), QStringLiteral("cd \"$0\" && exec \"$@\""),
                            folder().path(), folder().file(QStringLiteral("Viewer"))};
    ProgramRun viewer(QStringLiteral("/bin/sh"), shell + arguments, environment());
    const WindowId box = waitForBox(viewer);
    ASSERT_NE(box, 0u) << viewer.describe().toStdString();
    EXPECT_FALSE(saveScreenshot(box, QLatin1String(name)).isEmpty());

    const QRect screen = desktop().screenGeometry();
    const QRect frame = desktop().frameGeometry(box);
    EXPECT_TRUE(screen.contains(frame))
        << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
    // The window manager's frame may sit a few pixels off what the program asked for.
    EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 16) << frame.x();
    EXPECT_LE(std::abs(frame.center().y() - screen.center().y()), 24) << frame.y();

    ASSERT_TRUE(confirmBox(box));
    ASSERT_TRUE(viewer.waitForExit(Polling::StepTimeout)) << viewer.describe().toStdString();
    EXPECT_EQ(viewer.exitCode(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, ViewerBoxTest,
    ::testing::Values(std::pair<const char*, QStringList>{"viewer-box-information",
                                                          {QStringLiteral("-L")}},
                      std::pair<const char*, QStringList>{"viewer-box-no-arguments", {}}));

} // namespace
