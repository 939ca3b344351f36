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


class MissingTemplateTest : public DesktopTest {};

// A start page whose template cannot be read: the box's OK asks for a close while the window is
// still being made, which writes the lists and has no further effect: the window opens.
TEST_F(MissingTemplateTest, TheWindowOpensAfterTheBox) {
    const ReminderRecordBytes appointment(43, 2, "Fogorvos");
    ASSERT_TRUE(folder().write(QStringLiteral("time.list"), appointment.bytes()));
    ASSERT_TRUE(folder().remove(QStringLiteral("time/template")));

    ProgramRun& organiser = startOrganiser();
    const WindowId box = waitForBox(organiser);
    ASSERT_NE(box, 0u) << organiser.describe().toStdString();
    saveScreenshot(box, QStringLiteral("missing-template"));
    ASSERT_TRUE(confirmBox(box));

    const WindowId window = waitForMainWindow(organiser);
    ASSERT_NE(window, 0u) << organiser.describe().toStdString();
    EXPECT_EQ(folder().read(QStringLiteral("time.list")), appointment.withChecked(1).bytes());
}

} // namespace
