#include "ReminderGrid.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A grid of a header and two rows in a window of its own, shown and active.
class ReminderGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        grid.setCell(0, 0, QStringLiteral("Időpont"));
        grid.setCell(0, 1, QStringLiteral("Üzenet"));
        grid.show();
        grid.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
    }

    ReminderGrid grid{3, 2};
};

TEST_F(ReminderGridTest, TypedTextIsTold_AndKeptOnceCommitted) {
    grid.setCell(1, 1, QString());
    QSignalSpy edits(&grid, &ReminderGrid::textEdited);
    // The cell's editor opened and typed into as a user does.
    grid.setCurrentCell(1, 1);
    grid.editItem(grid.item(1, 1));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("Fogorvos"));
    EXPECT_EQ(edits.count(), 8);
    EXPECT_EQ(grid.cell(1, 1), QString());

    grid.commitEdit();
    EXPECT_EQ(grid.cell(1, 1), QStringLiteral("Fogorvos"));
    EXPECT_EQ(grid.rows()[1], (TableRow{QString(), QStringLiteral("Fogorvos")}));
    EXPECT_FALSE(editor->isVisible());
    // Nothing open: a second commit changes nothing.
    grid.commitEdit();
    EXPECT_EQ(grid.cell(1, 1), QStringLiteral("Fogorvos"));
}

TEST_F(ReminderGridTest, HeaderRowIsOrdinaryUntilFixedThenTakesNoEditAndIsNeverCurrent) {
    EXPECT_TRUE(grid.item(0, 0)->flags() & Qt::ItemIsEditable);
    grid.setCurrentCell(0, 0);
    EXPECT_EQ(grid.currentRow(), 0);

    grid.keepCurrentBelowHeader();
    grid.makeHeaderRow();
    EXPECT_EQ(grid.currentRow(), 1);
    EXPECT_EQ(grid.item(0, 1)->flags(), Qt::ItemIsEnabled);
    grid.setCurrentCell(0, 1);
    EXPECT_EQ(grid.currentRow(), 1);
    EXPECT_EQ(grid.currentColumn(), 1);
    // A cell made after the header is fixed follows its row.
    grid.setRowCount(4);
    grid.setCell(3, 0, QStringLiteral("9:00"));
    EXPECT_TRUE(grid.item(3, 0)->flags() & Qt::ItemIsEditable);
}

} // namespace
