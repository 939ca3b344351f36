#include "DesktopTest.h"
#include "Polling.h"
#include "ReminderRecordBytes.h"

namespace {

class MissingCalendarTest : public DesktopTest {};

TEST_F(MissingCalendarTest, MissingNameDaysAreReportedAndNothingIsWritten) {
    ASSERT_TRUE(folder().write(QStringLiteral("time.list"),
                               ReminderRecordBytes(41, 2, "Fogorvos").bytes()));
    ASSERT_TRUE(folder().write(QStringLiteral("task.list"),
                               ReminderRecordBytes(42, 0, "Bev\xE1s\xE1rl\xE1s").bytes()));
    ASSERT_TRUE(folder().remove(QStringLiteral("nevnap.data")));
    const FolderSnapshot before = folder().snapshot();

    ProgramRun& organiser = startOrganiser();
    const WindowId box = waitForBox(organiser);
    ASSERT_NE(box, 0u) << organiser.describe().toStdString();
    EXPECT_EQ(desktop().windowName(box), BoxCaption);
    EXPECT_TRUE(mainWindows().isEmpty()) << "the main window opened before the box was answered";
    // The X tools see a message box's caption only; the picture shows its text.
    saveScreenshot(box, QStringLiteral("missing-name-days"));

    ASSERT_TRUE(confirmBox(box));
    ASSERT_TRUE(organiser.waitForExit(Polling::StepTimeout)) << organiser.describe().toStdString();
    EXPECT_EQ(organiser.exitCode(), 1) << organiser.describe().toStdString();
    EXPECT_TRUE(mainWindows().isEmpty());
    const QStringList changes = before.differencesTo(folder().snapshot());
    EXPECT_TRUE(changes.isEmpty()) << changes.join(QLatin1Char('\n')).toStdString();
}

} // namespace
