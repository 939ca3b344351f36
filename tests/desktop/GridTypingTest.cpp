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

    void keys(const QStringList& names) { ASSERT_TRUE(desktop().pressKeys(names)); }
    void type(const QString& text) { ASSERT_TRUE(m_input->type(text)); }

    WindowId startMainWindow(ProgramRun*& run) {
        run = &startOrganiser();
        const WindowId window = waitForMainWindow(*run);
        if (window != 0 && !waitUntilActive(window))
            return 0;
        return window;
    }

    // One appointment of three rows, loaded into the editor with the keyboard.
    WindowId startWithLoadedAppointment(ProgramRun*& run) {
        if (!folder().write(QStringLiteral("time.list"),
                            ReminderRecordBytes(42, 0, "Fogorvos").bytes()) ||
            !folder().write(QStringLiteral("time/42"),
                            Header + "8:00|Els\xF5\r\n9:00|M\xE1sodik\r\n10:00|Harmadik\r\n"))
            return 0;
        const WindowId window = startMainWindow(run);
        // From the page tabs into the list, its line chosen by its first letter and loaded.
        if (window == 0 || !desktop().pressKeys({QStringLiteral("Tab")}) ||
            !m_input->type(QStringLiteral("f")) || !desktop().pressKeys({QStringLiteral("Return")}))
            return 0;
        return window;
    }

    bool waitForContent(const QByteArray& expected) const {
        return Polling::waitUntil(
            [&] { return folder().read(QStringLiteral("time/42")) == expected; },
            Polling::StepTimeout);
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
    type(QStringLiteral("Kontroll"));
    keys({QStringLiteral("Return"), QStringLiteral("ctrl+m")});
    const QByteArray expected = Header + "8:00|Kontroll\r\n9:00|M\xE1sodik\r\n10:00|Harmadik\r\n";
    EXPECT_TRUE(waitForContent(expected)) << folder().read(QStringLiteral("time/42")).constData();
    EXPECT_FALSE(saveScreenshot(window, QStringLiteral("grid-typed")).isEmpty());
    ASSERT_TRUE(requestClose(window));
    ASSERT_TRUE(run->waitForExit(Polling::StepTimeout)) << run->describe().toStdString();
}

TEST_F(GridTypingTest, DeletingTheSelectedRowRightAfterALoadTakesTheFirstRow) {
    ProgramRun* run = nullptr;
    const WindowId window = startWithLoadedAppointment(run);
    ASSERT_NE(window, 0u) << run->describe().toStdString();
    // Without touching the grid: "Kijelölt sor törlése" from the main menu, and the save.
    keys({QStringLiteral("alt+k"), QStringLiteral("Right"), QStringLiteral("k"),
          QStringLiteral("ctrl+m")});
    const QByteArray expected = Header + "9:00|M\xE1sodik\r\n10:00|Harmadik\r\n";
    EXPECT_TRUE(waitForContent(expected)) << folder().read(QStringLiteral("time/42")).constData();
    EXPECT_FALSE(saveScreenshot(window, QStringLiteral("grid-row-deleted")).isEmpty());
    ASSERT_TRUE(requestClose(window));
    ASSERT_TRUE(run->waitForExit(Polling::StepTimeout)) << run->describe().toStdString();
}

} // namespace
