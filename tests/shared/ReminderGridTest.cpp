#include "ReminderGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
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

// A cell holds one line: a line break pasted into its editor, or set from elsewhere, is a
// blank, so the saved table keeps one line per row.
TEST_F(ReminderGridTest, ALineBreakThatEntersACellBecomesABlank) {
    grid.setCell(1, 1, QStringLiteral("régi"));
    grid.makeHeaderRow();
    QApplication::clipboard()->setText(QStringLiteral("SOR1\r\nSOR2|x\nSOR3"));
    grid.setCurrentCell(1, 1);
    grid.editItem(grid.item(1, 1));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(editor->text(), QStringLiteral("SOR1 SOR2|x SOR3"));
    grid.commitEdit();
    grid.setCell(2, 0, QStringLiteral("\r8:00\r"));
    EXPECT_EQ(ContentFile::tableBytes(grid.rows()), QByteArray("Id\xF5pont|\xDCzenet\r\n"
                                                               "|SOR1 SOR2|x SOR3\r\n"
                                                               " 8:00 |\r\n"));
}

// Row 0 is the fixed header: it stays in view above the rows however far they scroll, follows
// what is put into it, and keeps its index, so the rows keep theirs.
TEST_F(ReminderGridTest, TheFixedHeaderStaysInViewWhileTheRowsScroll) {
    grid.resize(200, 120);
    grid.setRowCount(30);
    grid.makeHeaderRow();
    grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum());
    QCoreApplication::processEvents();
    EXPECT_GT(grid.rowAt(0), 20) << "the rows scrolled";
    EXPECT_TRUE(grid.horizontalHeader()->isVisible());
    EXPECT_LT(grid.horizontalHeader()->geometry().bottom(), grid.viewport()->geometry().top());
    grid.setCell(0, 1, QStringLiteral("Mi"));
    EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Mi"));
    EXPECT_EQ(grid.rows().first(), (TableRow{QStringLiteral("Időpont"), QStringLiteral("Mi")}));
}

} // namespace
