#include "DesktopTest.h"
#include "Polling.h"
#include "ReminderRecordBytes.h"

namespace {

class FailedSaveTest : public DesktopTest {};

// As root nothing can be forbidden by permissions; a folder moved away while the organiser runs
// makes every write fail, since it names its files by the folder it started from.
TEST_F(FailedSaveTest, WindowStaysOpenAndTheNextCloseSaves) {
    const ReminderRecordBytes appointment(51, 2, "Fogorvos");
    const ReminderRecordBytes task(52, 1, "Bev\xE1s\xE1rl\xE1s");
    ASSERT_TRUE(folder().write(QStringLiteral("time.list"), appointment.bytes()));
    ASSERT_TRUE(folder().write(QStringLiteral("task.list"), task.bytes()));

    ProgramRun& organiser = startOrganiser();
    const WindowId window = waitForMainWindow(organiser);
    ASSERT_NE(window, 0u) << organiser.describe().toStdString();

    ASSERT_TRUE(folder().moveAway());
    const FolderSnapshot before = FolderSnapshot::of(folder().movedPath());
    ASSERT_TRUE(requestClose(window));
    const WindowId box = waitForBox(organiser);
    ASSERT_NE(box, 0u) << organiser.describe().toStdString();
    EXPECT_EQ(desktop().windowName(box), BoxCaption);
    // The X tools see a message box's caption only; the picture shows its text.
    saveScreenshot(window, QStringLiteral("failed-save"));

    ASSERT_TRUE(confirmBox(box));
    ASSERT_TRUE(waitUntilGone(box));
    EXPECT_TRUE(organiser.isRunning()) << organiser.describe().toStdString();
    EXPECT_TRUE(desktop().isViewable(window)) << "the main window closed after a failed save";
    const QStringList changes = before.differencesTo(FolderSnapshot::of(folder().movedPath()));
    EXPECT_TRUE(changes.isEmpty()) << changes.join(QLatin1Char('\n')).toStdString();

    ASSERT_TRUE(folder().moveBack());
    const FolderSnapshot beforeSave = folder().snapshot();
    ASSERT_TRUE(requestClose(window));
    ASSERT_TRUE(organiser.waitForExit(Polling::StepTimeout)) << organiser.describe().toStdString();
    EXPECT_EQ(organiser.exitCode(), 0) << organiser.describe().toStdString();
    const FolderSnapshot afterSave = folder().snapshot();
    for (const char* name : {"time.list", "task.list", "memo.list", "nevnap.data", "unnep.data"})
        EXPECT_TRUE(beforeSave.isReplacedIn(afterSave, QString::fromLatin1(name)))
            << name << " was not written";
    EXPECT_EQ(folder().read(QStringLiteral("time.list")), appointment.withChecked(1).bytes());
    EXPECT_EQ(folder().read(QStringLiteral("task.list")), task.bytes());
    EXPECT_EQ(folder().read(QStringLiteral("nevnap.data")),
              ProgramFolder::delivered(QStringLiteral("nevnap.data")));
}

} // namespace
