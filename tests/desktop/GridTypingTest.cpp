#include "DesktopTest.h"
#include "Polling.h"
#include "ReminderRecordBytes.h"
#include "UserInput.h"

#include <memory>

namespace {

// The grid's message cell of the first row under the header, in the vertical layout with the
// pages 150 pixels wide: two points far enough apart that two clicks are never one double click.
const QPoint MessageCellLeft(250, 88);
const QPoint MessageCellRight(300, 88);
const QByteArray Header = "Id\xF5pont|Eml\xE9keztet\xF5 \xFCzenet\r\n";

// Typing into a grid as a user does: at once, after a click, and through the menus right after
// a load, with what reached the files compared byte for byte.
class GridTypingTest : public DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        if (HasFatalFailure())
            return;
        m_input = std::make_unique<UserInput>(environment());
        ASSERT_TRUE(m_input->useLayout(QStringLiteral("hu")));
    }

    // One appointment of three rows, loaded into the editor with the keyboard.
    WindowId startWithLoadedAppointment(ProgramRun*& run) {
        if (!folder().write(QStringLiteral("time.list"),
                            ReminderRecordBytes(42, 0, "Fogorvos").bytes()) ||
            !folder().write(QStringLiteral("time/42"),
                            Header + "8:00|Els\xF5\r\n9:00|M\xE1sodik\r\n10:00|Harmadik\r\n"))
            return 0;
        run = &startOrganiser();
        const WindowId window = waitForMainWindow(*run);
        // From the page tabs into the list, its line chosen by its first letter and loaded.
        if (window == 0 || !waitUntilActive(window) || !keys(QStringLiteral("Tab")) ||
            !m_input->type(QStringLiteral("f")) || !keys(QStringLiteral("Return")))
            return 0;
        return window;
    }

    // The content file as expected once saved, the picture kept, and the organiser closed.
    void expectSavedThenClose(ProgramRun& run, WindowId window, const QByteArray& expected,
                              const QString& picture) {
        EXPECT_TRUE(
            Polling::waitUntil([&] { return folder().read(QStringLiteral("time/42")) == expected; },
                               Polling::StepTimeout))
            << folder().read(QStringLiteral("time/42")).constData();
        EXPECT_FALSE(saveScreenshot(window, picture).isEmpty());
        ASSERT_TRUE(requestClose(window));
        ASSERT_TRUE(run.waitForExit(Polling::StepTimeout)) << run.describe().toStdString();
    }

    std::unique_ptr<UserInput> m_input;
};

TEST_F(GridTypingTest, TypingRightAfterAClickOnTheCurrentCellKeepsEveryKey) {
    ASSERT_TRUE(
        folder().write(QStringLiteral("Zimpa.ini"), "[MainForm]\r\nAlign=1\r\nSplitter=150\r\n"));
    ProgramRun* run = nullptr;
    const WindowId window = startWithLoadedAppointment(run);
    ASSERT_NE(window, 0u) << run->describe().toStdString();
    // The first click makes the cell current; typing straight after the second one, on the cell
    // that is current now, must open its editor with what was typed.
    ASSERT_TRUE(m_input->click(window, MessageCellLeft));
    ASSERT_TRUE(m_input->click(window, MessageCellRight));
    ASSERT_TRUE(m_input->type(QStringLiteral("Kontroll")));
    ASSERT_TRUE(keys(QStringLiteral("Return ctrl+m")));
    expectSavedThenClose(*run, window,
                         Header + "8:00|Kontroll\r\n9:00|M\xE1sodik\r\n10:00|Harmadik\r\n",
                         QStringLiteral("grid-typed"));
}

TEST_F(GridTypingTest, DeletingTheSelectedRowRightAfterALoadTakesTheFirstRow) {
    ProgramRun* run = nullptr;
    const WindowId window = startWithLoadedAppointment(run);
    ASSERT_NE(window, 0u) << run->describe().toStdString();
    // Without touching the grid: "Kijelölt sor törlése" from the main menu, and the save.
    ASSERT_TRUE(keys(QStringLiteral("alt+k Right k ctrl+m")));
    expectSavedThenClose(*run, window, Header + "9:00|M\xE1sodik\r\n10:00|Harmadik\r\n",
                         QStringLiteral("grid-row-deleted"));
}

} // namespace
