#include "MainWindowFixture.h"

#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>

class MenuKeysTest : public MainWindowFixture {
protected:
    void press(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        target->setFocus();
        QTest::keyClick(target, key, modifiers);
    }

    void watchListKeys() {
        watch({"mEdit_SubMenu1_Load", "mEdit_SubMenu1_Delete", "mEdit_SubMenu1_View",
               "mEdit_SubMenu2_Load", "mEdit_SubMenu2_Delete", "mEdit_SubMenu2_View",
               "mEdit_SubMenu3_Delete", "PopupMenu1_View", "PopupMenu1_Delete",
               "PopupMenu1_Display", "PopupMenu3_Del"});
    }
};

TEST_F(MenuKeysTest, ListKeysGoToTheMainMenuItemOnce) {
    start(2);
    showActive();
    watchListKeys();
    window->clbIdopont->setCurrentRow(0);
    // The edit menu was never opened: its rule runs before the key.
    ASSERT_FALSE(window->mEdit_SubMenu1->isEnabled());

    press(window->clbIdopont, Qt::Key_Delete);
    EXPECT_EQ(chosen("mEdit_SubMenu1_Delete"), 1);
    // The deleted line took the selection with it.
    window->clbIdopont->setCurrentRow(0);
    press(window->clbIdopont, Qt::Key_Return);
    EXPECT_EQ(chosen("mEdit_SubMenu1_Load"), 1);
    press(window->clbIdopont, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(chosen("mEdit_SubMenu1_Load"), 2);
    press(window->clbIdopont, Qt::Key_Space);
    EXPECT_EQ(chosen("mEdit_SubMenu1_View"), 1);
    EXPECT_EQ(chosenInAll(), 4);
    EXPECT_TRUE(window->mEdit_SubMenu1->isEnabled());
}

TEST_F(MenuKeysTest, AKeyActsOnlyWhileEveryMenuAboveItIsEnabled) {
    start(1, 0);
    showActive();
    watchListKeys();
    window->clbIdopont->setCurrentRow(0);
    window->PageControl->setCurrentIndex(1);
    // The delete item is on (an appointment is selected) but its sub-menu is off (no tasks),
    // and the task list's own pop-up item is off (no task selected).
    press(window->clbFeladat, Qt::Key_Delete);
    EXPECT_TRUE(window->mEdit_SubMenu1_Delete->isEnabled());
    EXPECT_FALSE(window->mEdit_SubMenu1->isEnabled());
    EXPECT_EQ(chosenInAll(), 0);

    window->clbFeladat->addItem(QStringLiteral("Feladat"));
    press(window->clbFeladat, Qt::Key_Delete);
    EXPECT_EQ(chosen("mEdit_SubMenu1_Delete"), 1);
    EXPECT_EQ(chosenInAll(), 1);
}

TEST_F(MenuKeysTest, AKeyNoItemTakesGoesOnToTheList) {
    start(2);
    showActive();
    watchListKeys();
    // The line is current but not selected: the view items are off, Space ticks the line.
    window->clbIdopont->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    press(window->clbIdopont, Qt::Key_Space);
    EXPECT_EQ(window->clbIdopont->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(chosenInAll(), 0);

    window->clbIdopont->setCurrentRow(0);
    press(window->clbIdopont, Qt::Key_Space);
    EXPECT_EQ(chosen("mEdit_SubMenu1_View"), 1);
    EXPECT_EQ(window->clbIdopont->item(0)->checkState(), Qt::Checked);
}

TEST_F(MenuKeysTest, PopupItemsOfTheListTakeWhatTheMainMenuLeaves) {
    start(1, 0, 2);
    showActive();
    watchListKeys();
    window->PageControl->setCurrentIndex(2);
    // The note items "betöltése" and "törlése" have no command and leave their keys.
    press(window->clbFeljegyzes, Qt::Key_Return);
    press(window->clbFeljegyzes, Qt::Key_Delete);
    EXPECT_EQ(chosenInAll(), 0);

    window->clbFeljegyzes->setCurrentRow(1);
    press(window->clbFeljegyzes, Qt::Key_Return);
    EXPECT_EQ(chosen("PopupMenu1_View"), 1);
    press(window->clbFeljegyzes, Qt::Key_Delete);
    EXPECT_EQ(chosen("PopupMenu1_Delete"), 1);
    press(window->clbFeljegyzes, Qt::Key_Space);
    EXPECT_EQ(chosen("mEdit_SubMenu2_View"), 1);
    EXPECT_EQ(chosenInAll(), 3);
}

TEST_F(MenuKeysTest, DayListsDeleteTheirLine) {
    start(0);
    addLines(window->lbNevnap, 2);
    showActive();
    watchListKeys();
    window->PageControl->setCurrentIndex(3);
    window->lbNevnap->setCurrentRow(1);
    press(window->lbNevnap, Qt::Key_Delete);
    EXPECT_EQ(chosen("mEdit_SubMenu3_Delete"), 1);
    EXPECT_EQ(chosenInAll(), 1);
    // The day lists have no load or view.
    press(window->lbNevnap, Qt::Key_Return);
    press(window->lbNevnap, Qt::Key_Space);
    EXPECT_EQ(chosenInAll(), 1);
}

TEST_F(MenuKeysTest, TypingInTheEditorsNeverReachesAListCommand) {
    start(2, 0, 1);
    showActive();
    watchListKeys();
    window->clbIdopont->setCurrentRow(0);
    for (const Qt::Key key : {Qt::Key_Delete, Qt::Key_Return, Qt::Key_Space})
        press(window->tZimpa, key);
    EXPECT_EQ(chosenInAll(), 0);

    window->PageControl->setCurrentIndex(2);
    window->clbFeljegyzes->setCurrentRow(0);
    window->mZimpa->setPlainText(QStringLiteral("ab"));
    QTextCursor cursor = window->mZimpa->textCursor();
    cursor.setPosition(0);
    window->mZimpa->setTextCursor(cursor);
    press(window->mZimpa, Qt::Key_Delete);
    press(window->mZimpa, Qt::Key_Space);
    press(window->mZimpa, Qt::Key_Return);
    EXPECT_EQ(chosenInAll(), 0);
    EXPECT_EQ(window->mZimpa->toPlainText(), QStringLiteral(" \nb"));
}

TEST_F(MenuKeysTest, WindowKeysActOnceWhereverTheKeyboardIs) {
    start(1);
    showActive();
    watch({"mFile_New", "PopupMenu1_New", "PopupMenu3_New", "mFile_Save", "PopupMenu1_Save",
           "PopupMenu2_Save", "PopupMenu3_Save"});
    press(window->clbIdopont, Qt::Key_U, Qt::ControlModifier);
    press(window->tZimpa, Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(chosen("mFile_New"), 2);
    EXPECT_EQ(chosenInAll(), 2);

    // Saving is off until an edit.
    press(window->tZimpa, Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(chosenInAll(), 2);
    // Each save turns saving off again until the next edit.
    window->EnableSave();
    press(window->tZimpa, Qt::Key_M, Qt::ControlModifier);
    window->EnableSave();
    press(window->clbIdopont, Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(chosen("mFile_Save"), 2);
    EXPECT_EQ(chosenInAll(), 4);
}

TEST_F(MenuKeysTest, NoteEditorKeysFollowTheNoteSubMenu) {
    start(1, 0, 1);
    showActive();
    watch({"mEdit_SubMenu2_Clear", "PopupMenu4_Del", "mEdit_SubMenu2_Copy"});
    press(window->clbIdopont, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(chosenInAll(), 0);

    window->PageControl->setCurrentIndex(2);
    press(window->clbFeljegyzes, Qt::Key_D, Qt::ControlModifier);
    press(window->mZimpa, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(chosen("mEdit_SubMenu2_Clear"), 2);
    press(window->clbFeljegyzes, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(chosen("mEdit_SubMenu2_Copy"), 1);
    EXPECT_EQ(chosen("PopupMenu4_Del"), 0);

    window->clbFeljegyzes->clear();
    press(window->clbFeljegyzes, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(chosen("mEdit_SubMenu2_Clear"), 2);
}

TEST_F(MenuKeysTest, AltF4Exits) {
    start(0);
    showActive();
    watch({"mFile_Exit"});
    press(window->clbIdopont, Qt::Key_F4, Qt::AltModifier);
    EXPECT_EQ(chosen("mFile_Exit"), 1);
    EXPECT_FALSE(window->isVisible());
}
