#include "WrapTabBar.h"
#include "WrapTabWidget.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

// Five tabs of one width, so that how many fit side by side is plain: "Lap 1" to "Lap 5".
class WrapTabBarLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 1; i <= 5; ++i)
            bar.addTab(QStringLiteral("Lap %1").arg(i));
        tab = bar.tabRects().first().size();
    }

    // The tabs of each row from the top, each row from the left, at the bar's present width.
    QList<QList<int>> rows() const {
        std::map<int, std::map<int, int>> byTopAndLeft;
        const QList<QRect> rects = bar.tabRects();
        for (int index = 0; index < rects.size(); ++index)
            byTopAndLeft[rects[index].top()][rects[index].left()] = index;
        QList<QList<int>> result;
        for (const auto& [top, row] : byTopAndLeft) {
            result.append(QList<int>());
            for (const auto& [left, index] : row)
                result.last().append(index);
        }
        return result;
    }

    void resizeTo(int width) { bar.resize(width, bar.heightForWidth(width)); }

    WrapTabBar bar;
    QSize tab; // one tab as wide as its caption needs, the only row at the bar's first width
};

using Rows = QList<QList<int>>;

TEST_F(WrapTabBarLayoutTest, AsManyTabsShareARowAsItsWidthHolds) {
    resizeTo(bar.sizeHint().width());
    EXPECT_EQ(rows(), Rows({{0, 1, 2, 3, 4}}));
    EXPECT_EQ(bar.sizeHint(), QSize(5 * tab.width(), tab.height()));

    resizeTo(3 * tab.width() - 1);
    EXPECT_EQ(rows(), Rows({{2, 3}, {4}, {0, 1}}));
    EXPECT_EQ(bar.heightForWidth(bar.width()), 3 * tab.height());

    resizeTo(3 * tab.width());
    EXPECT_EQ(rows(), Rows({{3, 4}, {0, 1, 2}}));
    EXPECT_EQ(bar.heightForWidth(bar.width()), 2 * tab.height());

    // Narrower than one tab, each tab still has a row of its own, whole.
    resizeTo(tab.width() / 2);
    EXPECT_EQ(rows(), Rows({{1}, {2}, {3}, {4}, {0}}));
    EXPECT_EQ(bar.minimumSizeHint().width(), tab.width());
}

TEST_F(WrapTabBarLayoutTest, EveryTabIsInViewAndWrappedRowsFillTheWidth) {
    for (const int width : {2 * tab.width(), 2 * tab.width() + 7, 4 * tab.width() - 1}) {
        SCOPED_TRACE(width);
        resizeTo(width);
        const QList<QRect> rects = bar.tabRects();
        const QRect strip = bar.rect();
        for (int index = 0; index < rects.size(); ++index) {
            EXPECT_TRUE(strip.contains(rects[index])) << index;
            EXPECT_GE(rects[index].width(), tab.width()) << index;
            EXPECT_EQ(bar.tabAt(rects[index].center()), index);
            for (int other = index + 1; other < rects.size(); ++other)
                EXPECT_FALSE(rects[index].intersects(rects[other])) << index << " " << other;
        }
        for (const QList<int>& row : rows()) {
            EXPECT_EQ(rects[row.first()].left(), 0);
            EXPECT_EQ(rects[row.last()].right(), width - 1);
        }
    }
    // A single row keeps its tabs as wide as their captions.
    resizeTo(6 * tab.width());
    EXPECT_EQ(bar.tabRects().last().right(), 5 * tab.width() - 1);
    EXPECT_EQ(bar.tabAt(QPoint(5 * tab.width() + 3, 2)), -1);
}

TEST_F(WrapTabBarLayoutTest, TheCurrentTabsRowLiesNextToThePagesTheOthersKeepTheirOrder) {
    resizeTo(2 * tab.width());
    QSignalSpy changes(&bar, &WrapTabBar::currentChanged);
    EXPECT_EQ(rows(), Rows({{2, 3}, {4}, {0, 1}}));

    bar.setCurrentIndex(3);
    EXPECT_EQ(rows(), Rows({{0, 1}, {4}, {2, 3}}));
    bar.setCurrentIndex(4);
    EXPECT_EQ(rows(), Rows({{0, 1}, {2, 3}, {4}}));
    bar.setCurrentIndex(1);
    EXPECT_EQ(rows(), Rows({{2, 3}, {4}, {0, 1}}));
    EXPECT_EQ(bar.tabRects()[1].bottom(), bar.height() - 1);

    // Outside the tabs, or the tab already chosen: nothing changes, nothing is announced.
    for (const int index : {-1, 5, 1})
        bar.setCurrentIndex(index);
    EXPECT_EQ(bar.currentIndex(), 1);
    EXPECT_EQ(changes.count(), 3);
}

TEST_F(WrapTabBarLayoutTest, AClickChoosesTheTabUnderTheLeftButton) {
    resizeTo(2 * tab.width());
    QSignalSpy changes(&bar, &WrapTabBar::currentChanged);
    // Tab 4 lies alone in the middle row and fills it.
    const QPoint middleRow(2 * tab.width() - 3, tab.height() + tab.height() / 2);
    QTest::mouseClick(&bar, Qt::RightButton, {}, middleRow);
    EXPECT_EQ(bar.currentIndex(), 0);
    QTest::mouseClick(&bar, Qt::LeftButton, {}, middleRow);
    EXPECT_EQ(bar.currentIndex(), 4);
    // The rows moved under the mouse: the same place is now the right half of the row of 2 and 3.
    QTest::mouseClick(&bar, Qt::LeftButton, {}, middleRow);
    EXPECT_EQ(bar.currentIndex(), 3);
    EXPECT_EQ(changes.count(), 2);
    // Only the keyboard's Tab brings the focus; a click leaves it where it was.
    EXPECT_EQ(bar.focusPolicy(), Qt::TabFocus);
}

TEST_F(WrapTabBarLayoutTest, ArrowKeysHomeAndEndChooseTheNeighbourAndTheEnds) {
    QSignalSpy changes(&bar, &WrapTabBar::currentChanged);
    const auto press = [&](Qt::Key key) {
        QTest::keyClick(&bar, key);
        return bar.currentIndex();
    };
    EXPECT_EQ(press(Qt::Key_Left), 0); // nothing before the first
    EXPECT_EQ(press(Qt::Key_Right), 1);
    EXPECT_EQ(press(Qt::Key_Right), 2);
    EXPECT_EQ(press(Qt::Key_End), 4);
    EXPECT_EQ(press(Qt::Key_Right), 4); // nothing after the last
    EXPECT_EQ(press(Qt::Key_Left), 3);
    EXPECT_EQ(press(Qt::Key_Home), 0);
    EXPECT_EQ(press(Qt::Key_Down), 0);
    QList<int> announced;
    for (const QList<QVariant>& change : changes)
        announced.append(change.first().toInt());
    EXPECT_EQ(announced, QList<int>({1, 2, 4, 3, 0}));
}

// In the page control, the strip gets the height its rows need for the width the layout gives,
// and a larger font, which makes larger tabs, gives it more.
TEST(WrapTabWidgetLayout, TheStripIsAsHighAsItsRowsForTheWidthItGets) {
    WrapTabWidget pages;
    for (int i = 1; i <= 5; ++i)
        pages.addTab(new QWidget, QStringLiteral("Lap %1").arg(i));
    const QSize tab = pages.tabBar()->tabRects().first().size();
    pages.resize(2 * tab.width(), 300);
    pages.show();
    WrapTabBar* strip = pages.tabBar();
    ASSERT_TRUE(QTest::qWaitFor([&] { return strip->width() == 2 * tab.width(); }));
    EXPECT_EQ(strip->height(), 3 * tab.height());

    QFont larger = pages.font();
    larger.setPointSize(larger.pointSize() * 2);
    pages.setFont(larger);
    ASSERT_TRUE(QTest::qWaitFor([&] { return strip->height() > 3 * tab.height(); }));
    EXPECT_EQ(strip->height(), strip->heightForWidth(strip->width()));
    EXPECT_EQ(strip->tabRects().size(), 5);
    for (const QRect& rect : strip->tabRects())
        EXPECT_TRUE(strip->rect().contains(rect));
}

} // namespace
