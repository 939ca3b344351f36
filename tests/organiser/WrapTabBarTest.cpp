#include "WrapTabBar.h"
#include "WrapTabWidget.h"

#include <QAccessible>
#include <QImage>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

class WrapTabBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* caption : {"&Időpontok", "Feladatok", "Feljegyzések"})
            bar.addTab(QString::fromUtf8(caption));
        bar.resize(bar.sizeHint());
    }

    void moveMouseTo(const QPoint& at) {
        QMouseEvent move(QEvent::MouseMove, at, bar.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(&bar, &move);
    }

    QImage tabPicture(int index) { return bar.grab(bar.tabRects()[index]).toImage(); }

    WrapTabBar bar;
};

TEST_F(WrapTabBarTest, ATabLightsUpUnderTheMouseInEveryStyle) {
    for (const QString& name : QStyleFactory::keys()) {
        SCOPED_TRACE(name.toStdString());
        const std::unique_ptr<QStyle> style(QStyleFactory::create(name));
        bar.setStyle(style.get());
        moveMouseTo({-5, -5});
        const QImage plain = tabPicture(1);
        moveMouseTo(bar.tabRects()[1].center());
        EXPECT_NE(tabPicture(1), plain);
        // The tab that is chosen stays as it is under the mouse.
        const QImage chosen = tabPicture(0);
        moveMouseTo(bar.tabRects()[0].center());
        EXPECT_EQ(tabPicture(0), chosen);
        bar.setStyle(nullptr);
    }
}

// What a screen reader is given in place of a nameless filler: the page tabs by name, which of
// them is chosen and has the keyboard, and where each one lies.
TEST_F(WrapTabBarTest, AssistiveToolsSeeAPageTabListWithItsPageTabs) {
    bar.show();
    QAccessibleInterface* strip = QAccessible::queryAccessibleInterface(&bar);
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->role(), QAccessible::PageTabList);
    ASSERT_EQ(strip->childCount(), 3);
    const char* names[] = {"Időpontok", "Feladatok", "Feljegyzések"};
    for (int index = 0; index < 3; ++index) {
        QAccessibleInterface* tab = strip->child(index);
        ASSERT_NE(tab, nullptr);
        EXPECT_EQ(tab->role(), QAccessible::PageTab);
        EXPECT_EQ(tab->text(QAccessible::Name), QString::fromUtf8(names[index]));
        EXPECT_EQ(tab->parent(), strip);
        EXPECT_EQ(strip->indexOfChild(tab), index);
        EXPECT_EQ(tab->state().selected, index == 0);
        EXPECT_TRUE(tab->state().focusable);
        EXPECT_FALSE(tab->state().focused);
        const QRect place = tab->rect();
        EXPECT_EQ(place, bar.tabRects()[index].translated(bar.mapToGlobal(QPoint(0, 0))));
        EXPECT_EQ(strip->childAt(place.center().x(), place.center().y()), tab);
    }
    EXPECT_EQ(strip->child(1), strip->child(1)) << "a tab keeps its identity";
    EXPECT_EQ(strip->text(QAccessible::Name), QStringLiteral("Időpontok"));

    bar.activateWindow();
    bar.setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar.hasFocus(); }));
    EXPECT_TRUE(strip->child(0)->state().focused);
    EXPECT_EQ(strip->focusChild(), strip->child(0));
}

TEST(WrapTabWidgetTest, TheTabsPressActionChoosesItsPage) {
    WrapTabWidget pages;
    for (const char* caption : {"Időpontok", "Feladatok"})
        pages.addTab(new QWidget, QString::fromUtf8(caption));
    QAccessibleInterface* tab = QAccessible::queryAccessibleInterface(pages.tabBar())->child(1);
    QAccessibleActionInterface* actions = tab->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_EQ(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(pages.currentIndex(), 1);
    EXPECT_TRUE(tab->state().selected);

    pages.tabBar()->setEnabled(false);
    QAccessible::queryAccessibleInterface(pages.tabBar())
        ->child(0)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(pages.currentIndex(), 1) << "a disabled strip chooses nothing";
}

} // namespace
