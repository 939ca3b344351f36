#include "MainWindowFixture.h"

#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolButton>

class MenuStateTest : public MainWindowFixture {};

TEST_F(MenuStateTest, AppointmentSelectedWhileTheTaskPageIsActive) {
    start(2, 1);
    window->clbIdopont->setCurrentRow(1);
    window->PageControl->setCurrentIndex(1);
    ASSERT_EQ(TfrmMain::GetSelected(window->clbFeladat), -1);

    openMenu(window->FileMenu);
    EXPECT_TRUE(window->mFile_Print->isEnabled());
    openMenu(window->EditMenu);
    EXPECT_TRUE(window->mEdit_SubMenu1->isEnabled());
    EXPECT_TRUE(window->mEdit_SubMenu1_Load->isEnabled());
    EXPECT_TRUE(window->mEdit_SubMenu1_Delete->isEnabled());
    EXPECT_TRUE(window->mEdit_SubMenu1_View->isEnabled());
    EXPECT_FALSE(window->mEdit_SubMenu2->isEnabled());
    EXPECT_FALSE(window->mEdit_SubMenu3->isEnabled());

    openMenu(window->PopupMenu1);
    EXPECT_FALSE(window->PopupMenu1_View->isEnabled());
    EXPECT_FALSE(window->PopupMenu1_Delete->isEnabled());
    EXPECT_FALSE(window->PopupMenu1_Display->isEnabled());
    EXPECT_TRUE(window->PopupMenu1_New->isEnabled());

    // Selecting the task turns the pop-up items on at once.
    window->clbFeladat->setCurrentRow(0);
    EXPECT_TRUE(window->PopupMenu1_Delete->isEnabled());
    EXPECT_TRUE(window->ToolButton4->isEnabled());
}

TEST_F(MenuStateTest, NotePageKeepsTheAppointmentCommandsOff) {
    start(1, 0, 2);
    window->clbIdopont->setCurrentRow(0);
    window->clbFeljegyzes->setCurrentRow(1);
    window->PageControl->setCurrentIndex(2);

    openMenu(window->EditMenu);
    EXPECT_FALSE(window->mEdit_SubMenu1->isEnabled());
    EXPECT_FALSE(window->mEdit_SubMenu1_Delete->isEnabled());
    EXPECT_TRUE(window->mEdit_SubMenu2->isEnabled());
    EXPECT_TRUE(window->mFile_Print->isEnabled());
    EXPECT_TRUE(window->PopupMenu1_Display->isEnabled());

    window->clbFeljegyzes->clearSelection();
    openMenu(window->PopupMenu1);
    EXPECT_FALSE(window->PopupMenu1_Display->isEnabled());
}

TEST_F(MenuStateTest, DayPagesPrintFromTheButtonOnly) {
    start(1);
    window->clbIdopont->setCurrentRow(0);
    addLines(window->lbNevnap, 1);

    window->PageControl->setCurrentIndex(3);
    EXPECT_TRUE(window->ToolButton4->isEnabled());
    openMenu(window->FileMenu);
    EXPECT_FALSE(window->mFile_Print->isEnabled());
    openMenu(window->EditMenu);
    EXPECT_TRUE(window->mEdit_SubMenu3->isEnabled());
    EXPECT_FALSE(window->mEdit_SubMenu1->isEnabled());

    // The holiday list is empty: no print button and no "Névnap/Ünnep" sub-menu.
    window->PageControl->setCurrentIndex(4);
    EXPECT_FALSE(window->ToolButton4->isEnabled());
    openMenu(window->EditMenu);
    EXPECT_FALSE(window->mEdit_SubMenu3->isEnabled());

    addLines(window->lbUnnep, 1);
    window->PageControl->setCurrentIndex(3);
    window->PageControl->setCurrentIndex(4);
    EXPECT_TRUE(window->ToolButton4->isEnabled());
}

TEST_F(MenuStateTest, PrintButtonWaitsForTheFirstClickOrPageSwitch) {
    start(2);
    addLines(window->lbNevnap, 1);
    // The stored page is restored at start without a page switch.
    window->setActivePageSilently(3);
    EXPECT_FALSE(window->ToolButton4->isEnabled());
    window->PageControl->setCurrentIndex(0);
    EXPECT_FALSE(window->ToolButton4->isEnabled());
    window->clbIdopont->setCurrentRow(1); // a click, or a move with the keys
    EXPECT_TRUE(window->ToolButton4->isEnabled());
    window->PageControl->setCurrentIndex(4);
    EXPECT_FALSE(window->ToolButton4->isEnabled());
    window->PageControl->setCurrentIndex(1);
    EXPECT_TRUE(window->ToolButton4->isEnabled());
}

TEST_F(MenuStateTest, ExportOpensForAnyListWhileItsOnlyItemStaysOff) {
    start(0);
    openMenu(window->FileMenu);
    EXPECT_FALSE(window->mFile_Export->isEnabled());
    addLines(window->lbUnnep, 1);
    openMenu(window->FileMenu);
    EXPECT_TRUE(window->mFile_Export->isEnabled());
    EXPECT_FALSE(window->mFile_Export_BackUp->isEnabled());
    EXPECT_FALSE(window->mFile_Import_BackUp->isEnabled());
    EXPECT_TRUE(window->mFile_Import->isEnabled());

    window->lbUnnep->clear();
    window->clbFeljegyzes->addItem(QStringLiteral("Jegyzet"));
    openMenu(window->FileMenu);
    EXPECT_TRUE(window->mFile_Export->isEnabled());
    window->clbFeljegyzes->clear();
    openMenu(window->FileMenu);
    EXPECT_FALSE(window->mFile_Export->isEnabled());
}

TEST_F(MenuStateTest, RowDeletionFollowsTheGridsRows) {
    start(0);
    openMenu(window->EditMenu);
    EXPECT_FALSE(window->mEdit_SubMenu1_DeleteRow->isEnabled());
    window->tZimpa->setRowCount(3);
    EXPECT_TRUE(window->mEdit_SubMenu1_DeleteRow->isEnabled());
    window->tZimpa->removeRow(2);
    EXPECT_FALSE(window->mEdit_SubMenu1_DeleteRow->isEnabled());
}

TEST_F(MenuStateTest, TheRulesSetTheirItemsFromScratch) {
    start(1);
    // Whatever other code left the items in, the next rule puts them right.
    window->mFile_Print->setEnabled(true);
    window->PopupMenu1_Delete->setEnabled(true);
    window->mEdit_SubMenu3->setEnabled(true);
    openMenu(window->PopupMenu1);
    EXPECT_FALSE(window->mFile_Print->isEnabled());
    EXPECT_FALSE(window->PopupMenu1_Delete->isEnabled());
    openMenu(window->EditMenu);
    EXPECT_FALSE(window->mEdit_SubMenu3->isEnabled());
    EXPECT_TRUE(window->mEdit_SubMenu1->isEnabled());
}

TEST_F(MenuStateTest, PageSwitchShowsThePagesEditor) {
    start(1);
    const bool grid[] = {true, true, false, false, false};
    const bool note[] = {false, false, true, false, false};
    for (const int page : {2, 3, 0, 4, 1, 2}) {
        window->PageControl->setCurrentIndex(page);
        EXPECT_EQ(!window->tZimpa->isHidden(), grid[page]) << page;
        EXPECT_EQ(!window->mZimpa->isHidden(), note[page]) << page;
    }
}

TEST_F(MenuStateTest, SilentPageChangeSkipsThePageSwitchSteps) {
    start(1);
    addLines(window->lbNevnap, 1);
    window->setActivePageSilently(3);
    EXPECT_EQ(window->PageControl->currentIndex(), 3);
    EXPECT_FALSE(window->tZimpa->isHidden());
    EXPECT_FALSE(window->ToolButton4->isEnabled());
    // The menus still read the page that is shown.
    openMenu(window->EditMenu);
    EXPECT_TRUE(window->mEdit_SubMenu3->isEnabled());

    window->setActivePageSilently(7);
    EXPECT_EQ(window->PageControl->currentIndex(), 3);
    // A page switch afterwards runs its steps again.
    window->PageControl->setCurrentIndex(2);
    EXPECT_FALSE(window->mZimpa->isHidden());
}

// A fill of a list or of the grid runs the rules once, at its end: run for every line, the rules
// (which read all five lists) made the start over full tables grow with the square of the lines.
TEST_F(MenuStateTest, BulkFillsRunTheRulesOnceEach) {
    const int full = ReminderTable::Capacity;
    start(full, full, full);
    EXPECT_EQ(window->clbFeljegyzes->count(), full);
    EXPECT_EQ(window->ruleRefresh().runs(), 1);

    const auto runsDuring = [this](auto&& fill) {
        const int before = window->ruleRefresh().runs();
        fill();
        return window->ruleRefresh().runs() - before;
    };
    EXPECT_EQ(runsDuring([&] { window->LoadList(static_cast<std::uint8_t>(Kind::Feladat)); }), 1);
    EXPECT_EQ(runsDuring([&] { addLines(window->lbNevnap, DayTable::Capacity); }), 1);
    EXPECT_EQ(window->lbNevnap->count(), DayTable::Capacity);

    QByteArray rows = "Id\xF5pont|Eml\xE9keztet\xF5\r\n";
    for (int row = 1; row < 256; ++row)
        rows += "08:00|Sor " + QByteArray::number(row) + "\r\n";
    folder.write(QStringLiteral("time/1"), rows);
    window->clbIdopont->setCurrentRow(0);
    EXPECT_EQ(runsDuring([&] { window->mEdit_SubMenu1_LoadClick(); }), 1);
    EXPECT_EQ(window->tZimpa->rowCount(), 256);
    // What the rules read after the fill is in place: rows can be deleted.
    EXPECT_TRUE(window->mEdit_SubMenu1_DeleteRow->isEnabled());
}
