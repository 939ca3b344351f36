#include "DesktopTest.h"
#include "Polling.h"
#include "ReminderRecordBytes.h"

#include <tuple>

namespace {

// The main window in each layout, over a long list of long titles and over an empty one. The
// pictures are kept for a person to look at; the test checks that the window came up in the
// stored layout and stored it back when it closed.
class LayoutScreenshotTest : public DesktopTest,
                             public ::testing::WithParamInterface<std::tuple<bool, bool>> {};

QByteArray longList() {
    QByteArray bytes;
    for (int i = 1; i <= 60; ++i) {
        // "Hosszú emlékeztető címe, amely kitölti a mezőt" in Windows-1250.
        QByteArray title = "Hossz\xFA eml\xE9keztet\xF5 c\xEDme, amely kit\xF6lti a mez\xF5t ";
        title += QByteArray::number(i);
        title = title.leftJustified(64, '.', true);
        bytes += ReminderRecordBytes(i, i % 3 == 0 ? 1 : 0, title).bytes();
    }
    return bytes;
}

} // namespace

TEST_P(LayoutScreenshotTest, WindowComesUpInItsStoredLayout) {
    const auto [vertical, empty] = GetParam();
    ASSERT_TRUE(folder().write(QStringLiteral("Zimpa.ini"), vertical
                                                                ? "[MainForm]\r\nAlign=1\r\n"
                                                                : "[MainForm]\r\nAlign=0\r\n"));
    if (!empty) {
        ASSERT_TRUE(folder().write(QStringLiteral("time.list"), longList()));
    }

    ProgramRun& organiser = startOrganiser();
    const WindowId window = waitForMainWindow(organiser);
    ASSERT_NE(window, 0u) << organiser.describe().toStdString();
    ASSERT_TRUE(waitUntilActive(window));
    const QString name =
        QStringLiteral("layout-%1-%2")
            .arg(vertical ? QStringLiteral("vertical") : QStringLiteral("horizontal"),
                 empty ? QStringLiteral("empty") : QStringLiteral("long"));
    EXPECT_FALSE(saveScreenshot(window, name).isEmpty());

    ASSERT_TRUE(requestClose(window));
    ASSERT_TRUE(organiser.waitForExit(Polling::StepTimeout)) << organiser.describe().toStdString();
    EXPECT_EQ(organiser.exitCode(), 0);
    const QByteArray settings = folder().read(QStringLiteral("Zimpa.ini"));
    EXPECT_TRUE(settings.contains(vertical ? "Align=1\r\n" : "Align=0\r\n")) << settings.data();
    EXPECT_TRUE(settings.contains("Splitter=225\r\n")) << settings.data();
}

INSTANTIATE_TEST_SUITE_P(Layouts, LayoutScreenshotTest,
                         ::testing::Combine(::testing::Bool(), ::testing::Bool()));
