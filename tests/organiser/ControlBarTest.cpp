#include "ControlBar.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A band of a fixed preferred size.
class Block : public QWidget {
public:
    explicit Block(QSize size)
        : m_size(size) {}
    QSize sizeHint() const override { return m_size; }

private:
    QSize m_size;
};

class ControlBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        bar.resize(400, 10);
        bar.addBand(first, 0, 11);
        bar.addBand(second, 0, 150);
        bar.addBand(third, 1, 20);
        bar.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    }

    void drag(QWidget* band, int dx) {
        const QPoint grip(band->x() - ControlBar::GripWidth / 2, band->y() + band->height() / 2);
        QTest::mousePress(&bar, Qt::LeftButton, Qt::NoModifier, grip);
        const QPoint to = grip + QPoint(dx, 0);
        QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(bar.mapToGlobal(to)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&bar, &move);
        QTest::mouseRelease(&bar, Qt::LeftButton, Qt::NoModifier, to);
    }

    ControlBar bar;
    Block* first = new Block(QSize(80, 22));
    Block* second = new Block(QSize(100, 26));
    Block* third = new Block(QSize(60, 20));
};

} // namespace

TEST_F(ControlBarTest, BandsLieAtTheirPositionsOnTheirRows) {
    EXPECT_EQ(first->geometry(), QRect(11, 2, 80, 26));
    EXPECT_EQ(second->geometry(), QRect(150, 2, 100, 26));
    EXPECT_EQ(third->geometry(), QRect(20, 32, 60, 20));
    EXPECT_EQ(bar.sizeHint().height(), 30 + 24);
    EXPECT_EQ(bar.bandPosition(second), 150);
}

TEST_F(ControlBarTest, ABandIsPushedPastTheOneBeforeIt) {
    bar.setBandPosition(second, 40);
    EXPECT_EQ(bar.bandPosition(second), 11 + 80 + 2 + ControlBar::GripWidth);
    EXPECT_EQ(second->x(), bar.bandPosition(second));
    bar.setBandPosition(third, 0);
    EXPECT_EQ(bar.bandPosition(third), ControlBar::GripWidth);
}

TEST_F(ControlBarTest, BandsNeverReachPastTheRightEdge) {
    bar.setBandWidth(second, 1000);
    EXPECT_EQ(second->geometry().right(), 400 - 2 - 1);
    bar.resize(600, bar.height());
    EXPECT_EQ(second->geometry().right(), 600 - 2 - 1);
    bar.setBandWidth(second, 0);
    EXPECT_EQ(second->width(), 100);
}

TEST_F(ControlBarTest, AHiddenBandsRowTakesNoRoom) {
    third->hide();
    EXPECT_EQ(bar.sizeHint().height(), 30);
    third->show();
    EXPECT_EQ(bar.sizeHint().height(), 54);
    // The other bands of a row keep their places when one hides.
    first->hide();
    EXPECT_EQ(second->x(), 150);
}

TEST_F(ControlBarTest, TheGripDragsItsBand) {
    drag(second, 30);
    EXPECT_EQ(bar.bandPosition(second), 180);
    EXPECT_EQ(second->x(), 180);
    drag(third, -100);
    EXPECT_EQ(bar.bandPosition(third), ControlBar::GripWidth);
    // Pressing elsewhere moves nothing.
    QTest::mousePress(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(300, 5));
    QTest::mouseRelease(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(350, 5));
    EXPECT_EQ(bar.bandPosition(second), 180);
}
