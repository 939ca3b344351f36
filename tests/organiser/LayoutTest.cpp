#include "ControlBar.h"
#include "MainWindowFixture.h"
#include "PageSplitter.h"

#include <QLabel>
#include <QMenuBar>
#include <QSplitterHandle>
#include <QTabWidget>
#include <QTableWidget>

class LayoutTest : public MainWindowFixture {
protected:
    // The column a line is drawn in, counted from 0.
    static int columnOf(const QListWidget* list, int row) {
        const int columnWidth = list->gridSize().width();
        return list->visualItemRect(list->item(row)).x() / columnWidth;
    }
};

TEST_F(LayoutTest, MenuCommandsSetTheAppointmentListsColumnsAlone) {
    start(3, 1, 1);
    for (const QListWidget* list : {window->clbIdopont, window->clbFeladat, window->clbFeljegyzes})
        EXPECT_EQ(TfrmMain::listColumns(list), 2);
    const int height = 170;
    window->setPageControlExtent(height);

    window->mView_AlignV->trigger();
    EXPECT_TRUE(window->isVerticalLayout());
    EXPECT_TRUE(window->Splitter1->pagesBeside());
    EXPECT_EQ(TfrmMain::listColumns(window->clbIdopont), 1);
    EXPECT_EQ(TfrmMain::listColumns(window->clbFeladat), 2);
    EXPECT_EQ(TfrmMain::listColumns(window->clbFeljegyzes), 2);
    // The height above the editor does not become the width beside it.
    EXPECT_NE(window->pageControlExtent(), height);
    window->setPageControlExtent(height + 40);

    window->mView_AlignH->trigger();
    EXPECT_FALSE(window->isVerticalLayout());
    EXPECT_FALSE(window->Splitter1->pagesBeside());
    EXPECT_EQ(TfrmMain::listColumns(window->clbIdopont), 5);
    EXPECT_EQ(TfrmMain::listColumns(window->clbFeladat), 2);
    EXPECT_EQ(window->pageControlExtent(), height);
    window->mView_AlignV->trigger();
    EXPECT_EQ(window->pageControlExtent(), height + 40);
}

TEST_F(LayoutTest, SettingTheLayoutChecksItsItemAndKeepsColumnsAndExtents) {
    start(1);
    window->setPageControlExtent(180);
    window->setVerticalLayout(true);
    EXPECT_TRUE(window->mView_AlignV->isChecked());
    EXPECT_FALSE(window->mView_AlignH->isChecked());
    EXPECT_EQ(TfrmMain::listColumns(window->clbIdopont), 2);
    EXPECT_EQ(window->pageControlExtent(), 225);
    window->setVerticalLayout(false);
    EXPECT_TRUE(window->mView_AlignH->isChecked());
    EXPECT_FALSE(window->isVerticalLayout());
    EXPECT_EQ(window->pageControlExtent(), 180);
}

TEST_F(LayoutTest, TheExtentIsThePagesHeightOrWidthOnScreen) {
    start(1);
    window->setPageControlExtent(180);
    showActive();
    EXPECT_EQ(window->PageControl->height(), 180);
    EXPECT_LT(window->PageControl->geometry().bottom(), window->Panel1->geometry().top());
    EXPECT_EQ(window->PageControl->width(), window->Panel1->width());

    window->setVerticalLayout(true);
    window->setPageControlExtent(260);
    EXPECT_EQ(window->PageControl->width(), 260);
    EXPECT_LT(window->PageControl->geometry().right(), window->Panel1->geometry().left());
    EXPECT_EQ(window->PageControl->height(), window->Panel1->height());

    // The editor takes what the window gains or loses.
    window->resize(window->width() + 120, window->height() - 40);
    EXPECT_EQ(window->PageControl->width(), 260);
    EXPECT_EQ(window->pageControlExtent(), 260);
}

TEST_F(LayoutTest, AWindowTooSmallForThePagesGivesTheirExtentBackAsItGrows) {
    start(1);
    window->setPageControlExtent(300);
    showActive();
    window->resize(window->width(), 250);
    EXPECT_LT(window->PageControl->height(), 300);
    window->resize(window->width(), 600);
    EXPECT_EQ(window->PageControl->height(), 300);
}

TEST_F(LayoutTest, DraggingTheSplitterSetsTheExtent) {
    start(1);
    window->setPageControlExtent(150);
    showActive();
    QSplitterHandle* handle = window->Splitter1->handle(1);
    const QPoint grip = handle->rect().center();
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, grip);
    QMouseEvent move(QEvent::MouseMove, QPointF(grip + QPoint(0, 40)),
                     QPointF(handle->mapToGlobal(grip + QPoint(0, 40))), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &move);
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, grip + QPoint(0, 40));
    // The handle lands within a pixel of the mouse.
    EXPECT_NEAR(window->pageControlExtent(), 190, 1);
    EXPECT_EQ(window->PageControl->height(), window->pageControlExtent());
}

TEST_F(LayoutTest, ColumnsRunTopToBottomAndWrap) {
    start(40);
    showActive();
    QListWidget* list = window->clbIdopont;
    EXPECT_EQ(list->gridSize().width(), list->viewport()->width() / 2);
    int perColumn = 1;
    while (perColumn < list->count() && columnOf(list, perColumn) == 0)
        ++perColumn;
    ASSERT_GT(perColumn, 1);
    ASSERT_LT(perColumn, 20);
    EXPECT_EQ(columnOf(list, perColumn), 1);
    EXPECT_EQ(columnOf(list, 2 * perColumn), 2); // beyond the width: scrolled to sideways
    EXPECT_GT(list->visualItemRect(list->item(1)).y(), list->visualItemRect(list->item(0)).y());
    EXPECT_EQ(list->visualItemRect(list->item(perColumn)).y(),
              list->visualItemRect(list->item(0)).y());

    window->mView_AlignH->trigger();
    EXPECT_EQ(list->gridSize().width(), list->viewport()->width() / 5);
    EXPECT_EQ(columnOf(list, perColumn * 3), 3);

    // The columns follow the list's width.
    const int before = list->gridSize().width();
    window->resize(window->width() + 200, window->height());
    EXPECT_GT(list->gridSize().width(), before);

    TfrmMain::setListColumns(list, 0);
    EXPECT_EQ(TfrmMain::listColumns(list), 0);
    EXPECT_FALSE(list->isWrapping());
}

TEST_F(LayoutTest, ResizingStretchesTheStripAndTheMessageColumn) {
    start(0);
    showActive();
    window->resize(760, 520);
    EXPECT_EQ(window->tZimpa->columnWidth(0), 70);
    EXPECT_EQ(window->tZimpa->columnWidth(1), window->tZimpa->width() - 70 - 20);
    // Both bands reach to the strip's right edge (no band goes past it).
    EXPECT_GT(window->tbNevnap->geometry().right(), window->ControlBar1->width() - 4);
    EXPECT_LE(window->tbNevnap->geometry().right(), window->ControlBar1->width());
    EXPECT_GT(window->tbMenu->geometry().right(), window->ControlBar1->width() - 4);
}

TEST_F(LayoutTest, CtrlTabInAPagesListGoesToTheNextPageAndBack) {
    start(1);
    showActive();
    QTest::keyClick(window->clbIdopont, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(window->PageControl->currentIndex(), 1);
    QTest::keyClick(window->clbFeladat, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(window->clbIdopont, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window->PageControl->currentIndex(), 4);
}
