#include "WrapTabBar.h"

#include <QAccessible>
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

    QImage tabWithMouseAt(int tab, const QPoint& at) {
        QMouseEvent move(QEvent::MouseMove, at, bar.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(&bar, &move);
        return bar.grab(bar.tabRects()[tab]).toImage();
    }

    WrapTabBar bar;
};

TEST_F(WrapTabBarTest, ATabLightsUpUnderTheMouseInEveryStyleTheChosenOneStaysAsItIs) {
    for (const QString& name : QStyleFactory::keys()) {
        SCOPED_TRACE(name.toStdString());
        const std::unique_ptr<QStyle> style(QStyleFactory::create(name));
        bar.setStyle(style.get());
        const QPoint away(-5, -5);
        EXPECT_FALSE(tabWithMouseAt(1, away) == tabWithMouseAt(1, bar.tabRects()[1].center()));
        EXPECT_TRUE(tabWithMouseAt(0, away) == tabWithMouseAt(0, bar.tabRects()[0].center()));
        bar.setStyle(nullptr);
    }
}

// What a screen reader is given in place of a nameless filler: the page tabs by name, which of
// them is chosen and has the keyboard, and where each one lies.
TEST_F(WrapTabBarTest, AssistiveToolsSeeAPageTabListWithItsPageTabs) {
    bar.show();
    QAccessibleInterface* strip = QAccessible::queryAccessibleInterface(&bar);
    EXPECT_EQ(strip->role(), QAccessible::PageTabList);
    ASSERT_EQ(strip->childCount(), 3);
    const char* names[] = {"Időpontok", "Feladatok", "Feljegyzések"};
    for (int index = 0; index < 3; ++index) {
        QAccessibleInterface* tab = strip->child(index);
        EXPECT_EQ(tab->role(), QAccessible::PageTab);
        EXPECT_EQ(tab->text(QAccessible::Name), QString::fromUtf8(names[index]));
        EXPECT_EQ(strip->indexOfChild(tab), index);
        EXPECT_EQ(tab->state().selected, index == 0);
        EXPECT_TRUE(tab->state().focusable && !tab->state().focused);
        const QPoint middle = tab->rect().center();
        EXPECT_EQ(tab->rect().topLeft(), bar.mapToGlobal(bar.tabRects()[index].topLeft()));
        EXPECT_EQ(strip->childAt(middle.x(), middle.y()), tab);
    }
    bar.activateWindow();
    bar.setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar.hasFocus(); }));
    EXPECT_EQ(strip->focusChild(), strip->child(0));
    EXPECT_TRUE(strip->child(0)->state().focused);

    bar.setEnabled(false);
    strip->child(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(bar.currentIndex(), 0) << "a disabled strip chooses nothing";
    bar.setEnabled(true);
    strip->child(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(bar.currentIndex(), 2);
    EXPECT_EQ(strip->text(QAccessible::Name), QStringLiteral("Feljegyzések"));
}

} // namespace
