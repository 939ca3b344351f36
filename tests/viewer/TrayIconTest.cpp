#include "TrayIcon.h"

#include <QCursor>
#include <QDeadlineTimer>
#include <QMenu>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

QIcon filled(Qt::GlobalColor colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

bool same(const QIcon& a, const QIcon& b) {
    return a.cacheKey() == b.cacheKey();
}

// Lets queued reactions run until the condition holds or a few seconds have gone.
template <typename Condition> bool eventually(Condition condition) {
    const QDeadlineTimer deadline(5000);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(5);
    }
    return true;
}

// Minimizes a second window, which its own component hides into the notification area, and waits
// until it has gone. Its reaction comes round after the reactions to every earlier change of a
// window's state, so from then on whatever those did is done, however late they came.
bool earlierReactionsHaveComeRound() {
    QWidget witness;
    TTrayIcon witnessIcon(&witness);
    witnessIcon.SetIcon(filled(Qt::gray));
    witnessIcon.Loaded();
    witness.show();
    witness.showMinimized();
    return eventually([&] { return !witness.isVisible(); });
}

// Without a notification area no component shows that it has reacted. The reaction is posted to
// the component when the window's state changes, so a call posted after the change runs after it.
bool postedReactionsHaveRun(QObject* component) {
    bool ran = false;
    QMetaObject::invokeMethod(
        component, [&] { ran = true; }, Qt::QueuedConnection);
    return eventually([&] { return ran; });
}

struct OpenedMenu {
    QMenu* menu;
    QPoint position;
};

class TrayIconTest : public ::testing::Test {
protected:
    void SetUp() override {
        TTrayIcon::setTrayAvailableForTesting(true);
        TTrayIcon::setPopupOpenerForTesting([this](QMenu* opening, const QPoint& at) {
            opened.push_back({opening, at});
        });
        window.show();
    }

    void TearDown() override {
        tray.reset();
        TTrayIcon::setTrayAvailableForTesting(std::nullopt);
        TTrayIcon::setPopupOpenerForTesting({});
    }

    // Set up as the viewer window sets up its icon.
    void setUpLikeTheViewer() {
        tray->SetIcon(stored);
        tray->SetIconVisible(false);
        tray->SetIconList({red, green});
        tray->SetPopupMenu(&menu);
        tray->SetCycleInterval(0);
        tray->Loaded();
    }

    QWidget window;
    QMenu menu;
    std::unique_ptr<TTrayIcon> tray = std::make_unique<TTrayIcon>(&window);
    std::vector<OpenedMenu> opened;
    const QIcon stored = filled(Qt::blue);
    const QIcon red = filled(Qt::red);
    const QIcon green = filled(Qt::green);
};

} // namespace

TEST_F(TrayIconTest, StartsWithTheDefaultsAndNoIconShown) {
    EXPECT_TRUE(tray->Enabled());
    EXPECT_TRUE(tray->Icon().isNull());
    EXPECT_TRUE(tray->IconVisible());
    EXPECT_TRUE(tray->IconList().isEmpty());
    EXPECT_EQ(tray->IconIndex(), 0);
    EXPECT_EQ(tray->PopupMenu(), nullptr);
    EXPECT_FALSE(tray->LeftPopup());
    EXPECT_FALSE(tray->CycleIcons());
    EXPECT_EQ(tray->CycleInterval(), 500u);
    EXPECT_FALSE(tray->isIconShown());
    EXPECT_FALSE(tray->isCycleTimerRunning());
}

TEST_F(TrayIconTest, LoadedShowsTheIconOnlyWhenItIsToStayVisible) {
    tray->SetIcon(stored);
    tray->Loaded();
    EXPECT_TRUE(tray->isIconShown());
    EXPECT_TRUE(same(tray->shownIcon(), stored));
    // No tool tip is ever given.
    EXPECT_TRUE(tray->findChild<QSystemTrayIcon*>()->toolTip().isEmpty());

    auto hidden = std::make_unique<TTrayIcon>(&window);
    hidden->SetIconVisible(false);
    hidden->Loaded();
    EXPECT_FALSE(hidden->isIconShown());

    auto disabled = std::make_unique<TTrayIcon>(&window);
    disabled->SetEnabled(false);
    disabled->Loaded();
    EXPECT_FALSE(disabled->isIconShown());
}

TEST_F(TrayIconTest, AddingChangingAndRemovingAreRefusedWhenThereIsNothingToDo) {
    tray->SetIcon(stored);
    EXPECT_FALSE(tray->ModifyIcon());
    EXPECT_FALSE(tray->DeleteIcon());
    EXPECT_TRUE(tray->AddIcon());
    EXPECT_FALSE(tray->AddIcon());
    tray->SetIcon(red);
    EXPECT_TRUE(same(tray->shownIcon(), red));
    EXPECT_TRUE(tray->DeleteIcon());
    EXPECT_FALSE(tray->isIconShown());
}

TEST_F(TrayIconTest, TheImageListDecidesTheIcon) {
    setUpLikeTheViewer();
    // The list's first image replaces the stored icon, as the viewer's window icon needs it.
    EXPECT_TRUE(same(tray->Icon(), red));
    EXPECT_FALSE(tray->isIconShown());

    tray->AddIcon();
    tray->SetIconIndex(1);
    EXPECT_EQ(tray->IconIndex(), 1);
    EXPECT_TRUE(same(tray->shownIcon(), green));
    tray->SetIconIndex(2); // past the list: the last image
    EXPECT_EQ(tray->IconIndex(), 1);
    tray->SetIconIndex(-3);
    EXPECT_EQ(tray->IconIndex(), 0);
    EXPECT_TRUE(same(tray->shownIcon(), red));

    tray->SetIconList({});
    tray->SetIcon(stored);
    tray->SetIconIndex(5); // no list: index 0, icon unchanged
    EXPECT_EQ(tray->IconIndex(), 0);
    EXPECT_TRUE(same(tray->Icon(), stored));
}

TEST_F(TrayIconTest, CyclingStepsThroughTheListAndWraps) {
    setUpLikeTheViewer();
    tray->AddIcon();
    tray->SetIconIndex(1);

    tray->SetCycleIcons(true);
    EXPECT_TRUE(tray->CycleIcons());
    EXPECT_EQ(tray->IconIndex(), 0); // every cycle starts at the first image
    std::vector<int> steps;
    for (int i = 0; i < 3; ++i) {
        tray->CycleTimerTick();
        steps.push_back(tray->IconIndex());
    }
    EXPECT_EQ(steps, (std::vector<int>{1, 0, 1}));
    EXPECT_TRUE(same(tray->shownIcon(), green));

    tray->SetCycleIcons(false);
    EXPECT_FALSE(tray->CycleIcons());
    EXPECT_EQ(tray->IconIndex(), 0);
    EXPECT_FALSE(tray->isCycleTimerRunning());
}

TEST_F(TrayIconTest, TheCycleTimerRunsOnlyWithAnIntervalAndOnceLoaded) {
    tray->SetIconList({red, green});
    tray->SetCycleInterval(5);
    tray->SetCycleIcons(true);
    EXPECT_FALSE(tray->isCycleTimerRunning()); // nothing to call before Loaded

    tray->Loaded();
    EXPECT_TRUE(tray->isCycleTimerRunning());
    EXPECT_TRUE(eventually([&] { return tray->IconIndex() == 1; }));
    EXPECT_TRUE(eventually([&] { return tray->IconIndex() == 0; }));

    // As the viewer has it: interval 0, and an alarm switches cycling on.
    tray->SetCycleInterval(0);
    EXPECT_FALSE(tray->isCycleTimerRunning());
    tray->SetCycleIcons(true);
    EXPECT_FALSE(tray->isCycleTimerRunning());
    EXPECT_EQ(tray->IconIndex(), 0);
}

TEST_F(TrayIconTest, CyclingCannotBeSwitchedWhileDisabled) {
    tray->SetIconList({red, green});
    tray->Loaded();
    tray->SetEnabled(false);
    tray->SetCycleIcons(true);
    EXPECT_FALSE(tray->CycleIcons());
    EXPECT_FALSE(tray->isCycleTimerRunning());
}

TEST_F(TrayIconTest, TheMenuOpensAtTheCursorFromTheRightButtonAndOnRequestTheLeft) {
    setUpLikeTheViewer();
    QCursor::setPos(QPoint(40, 30));
    const QPoint cursor = QCursor::pos();

    tray->HandleIconMessage(QSystemTrayIcon::Trigger);
    tray->HandleIconMessage(QSystemTrayIcon::MiddleClick);
    EXPECT_TRUE(opened.empty());

    tray->HandleIconMessage(QSystemTrayIcon::Context);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].menu, &menu);
    EXPECT_EQ(opened[0].position, cursor);
    EXPECT_EQ(menu.property("PopupComponent").value<QObject*>(), tray.get());

    tray->SetLeftPopup(true);
    tray->HandleIconMessage(QSystemTrayIcon::Trigger);
    EXPECT_EQ(opened.size(), 2u);

    tray->SetEnabled(false);
    tray->HandleIconMessage(QSystemTrayIcon::Context);
    tray->SetEnabled(true);
    tray->SetPopupMenu(nullptr);
    tray->HandleIconMessage(QSystemTrayIcon::Context);
    EXPECT_EQ(opened.size(), 2u);
}

TEST_F(TrayIconTest, ADoubleClickTogglesTheWindow) {
    setUpLikeTheViewer();

    tray->HandleIconMessage(QSystemTrayIcon::DoubleClick);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(tray->isIconShown());

    tray->HandleIconMessage(QSystemTrayIcon::DoubleClick);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(tray->isIconShown()); // IconVisible false: the icon goes with the showing

    tray->SetEnabled(false);
    tray->HandleIconMessage(QSystemTrayIcon::DoubleClick);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(opened.empty());
}

TEST_F(TrayIconTest, TheIconStaysAfterShowingWhenItIsToStayVisible) {
    setUpLikeTheViewer();
    tray->SetIconVisible(true); // what the viewer's hide command does
    tray->HideMainForm();
    EXPECT_FALSE(window.isVisible());
    tray->ShowMainForm();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(tray->isIconShown());
}

TEST_F(TrayIconTest, MinimizingHidesTheWindowIntoTheNotificationArea) {
    setUpLikeTheViewer();
    window.showMinimized();
    ASSERT_TRUE(eventually([&] { return !window.isVisible(); }));
    EXPECT_TRUE(tray->isIconShown());

    tray->ShowMainForm();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isMinimized());
    EXPECT_FALSE(tray->isIconShown());

    // A window restored before the reaction comes round stays.
    window.showMinimized();
    window.showNormal();
    ASSERT_TRUE(earlierReactionsHaveComeRound());
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(tray->isIconShown());
}

TEST_F(TrayIconTest, WithoutANotificationAreaTheWindowMinimizesInstead) {
    TTrayIcon::setTrayAvailableForTesting(std::nullopt); // ask the desktop
    if (QSystemTrayIcon::isSystemTrayAvailable())
        GTEST_SKIP() << "this desktop has a notification area";
    setUpLikeTheViewer();
    tray->SetIconVisible(true);
    tray->Loaded();
    EXPECT_FALSE(tray->isIconShown());

    tray->HideMainForm();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.isMinimized());
    EXPECT_FALSE(tray->isIconShown());

    window.showNormal();
    window.showMinimized();
    ASSERT_TRUE(postedReactionsHaveRun(tray.get()));
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(tray->isIconShown());

    tray->HandleIconMessage(QSystemTrayIcon::DoubleClick);
    tray->HandleIconMessage(QSystemTrayIcon::Context);
    EXPECT_TRUE(window.isMinimized());
    EXPECT_TRUE(opened.empty());
}

TEST_F(TrayIconTest, WithoutAMainWindowShowingAndHidingDoNothing) {
    TTrayIcon orphan(nullptr);
    orphan.SetIconVisible(false);
    orphan.Loaded();
    orphan.HideMainForm();
    EXPECT_FALSE(orphan.isIconShown());
    orphan.HandleIconMessage(QSystemTrayIcon::DoubleClick);
    orphan.ShowMainForm();
    EXPECT_FALSE(orphan.isIconShown());
    EXPECT_TRUE(window.isVisible());
}

TEST_F(TrayIconTest, DisabledHidingMinimizesAndLeavesTheIcon) {
    setUpLikeTheViewer();
    tray->SetEnabled(false);
    window.showMinimized();
    // The icon is added all the same, but the window only minimizes.
    ASSERT_TRUE(eventually([&] { return tray->isIconShown(); }));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.isMinimized());

    tray->ShowMainForm(); // does nothing while disabled
    EXPECT_TRUE(window.isMinimized());
}
