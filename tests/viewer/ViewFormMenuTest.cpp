#include "ViewFormFixture.h"

#include <QAction>
#include <QMenu>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTest>

class ViewFormMenuTest : public ViewFormFixture {
protected:
    void SetUp() override {
        ViewFormFixture::SetUp();
        TTrayIcon::setTrayAvailableForTesting(true);
        folder.write(QStringLiteral("Zimpa.ini"), "[ViewForm]\r\nTransparent=20\r\n");
        ASSERT_TRUE(create({QStringLiteral("-D"), QStringLiteral("memo/1")}));
        window->show();
    }

    void openMenu() { emit window->PopupMenu1->aboutToShow(); }

    QStringList captions() const {
        QStringList items;
        for (const QAction* item : window->PopupMenu1->actions())
            items << (item->isSeparator() ? QStringLiteral("-") : item->text());
        return items;
    }
};

TEST_F(ViewFormMenuTest, TheMenuHoldsItsItemsInOrderWithTheWarningChoicesOutOfReach) {
    EXPECT_EQ(captions(),
              QStringList({"Új Zimpa...", "-", "Állapot mentése", "Állapot visszatöltése", "-",
                           "Ablak mutatása", "Ablak elrejtése", "Maradjon mindig felül", "-",
                           "Figyelmeztetés a tálcán", "Figyelmeztetés külön ablakban",
                           "Figyelmeztetés mindkét módon", "-", "Névjegy", "-", "Bezár"}));
    for (QAction* hidden :
         {window->PopupMenu1_S3, window->rbTray, window->rbForm, window->rbBoth}) {
        EXPECT_FALSE(hidden->isVisible());
        EXPECT_FALSE(hidden->isEnabled());
    }
    EXPECT_TRUE(window->rbBoth->isChecked());
    window->rbTrayClick();
    EXPECT_TRUE(window->rbTray->isChecked());
    EXPECT_FALSE(window->rbBoth->isChecked());
    EXPECT_EQ(window->PopupMenu1_Save->shortcut(), QKeySequence(QStringLiteral("Ctrl+M")));
    EXPECT_EQ(window->PopupMenu1_Load->shortcut(), QKeySequence(QStringLiteral("Ctrl+B")));
    EXPECT_EQ(window->PopupMenu1_Hide->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
    EXPECT_EQ(window->PopupMenu1_StayOnTop->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));
    EXPECT_EQ(window->TrayIcon->PopupMenu(), window->PopupMenu1);
}

TEST_F(ViewFormMenuTest, HidingIntoTheTrayAndShowingAgainKeepTheItemsInStep) {
    openMenu();
    EXPECT_FALSE(window->PopupMenu1_Show->isEnabled());
    EXPECT_TRUE(window->PopupMenu1_Hide->isEnabled());

    window->PopupMenu1_Hide->trigger();
    EXPECT_TRUE(window->isHidden());
    EXPECT_TRUE(window->TrayIcon->isIconShown());
    EXPECT_TRUE(window->PopupMenu1_Show->isEnabled());
    EXPECT_FALSE(window->PopupMenu1_Hide->isEnabled());

    window->PopupMenu1_Show->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->TrayIcon->isIconShown()) << "once hidden by the menu, the icon stays";
    EXPECT_FALSE(window->PopupMenu1_Show->isEnabled());
    EXPECT_TRUE(window->PopupMenu1_Hide->isEnabled());

    // Hidden some other way, the window says so too; the menu looks again when it opens.
    window->hide();
    EXPECT_TRUE(window->PopupMenu1_Show->isEnabled());
    window->show();
    openMenu();
    EXPECT_FALSE(window->PopupMenu1_Show->isEnabled());
    EXPECT_TRUE(window->PopupMenu1_Hide->isEnabled());
}

TEST_F(ViewFormMenuTest, ADoubleClickOnTheStatusBarHidesTheWindow) {
    QTest::mouseDClick(window->StatusBar1, Qt::LeftButton);
    EXPECT_TRUE(window->isHidden());
    EXPECT_TRUE(window->TrayIcon->isIconShown());
    EXPECT_TRUE(window->PopupMenu1_Show->isEnabled());
}

TEST_F(ViewFormMenuTest, StayingOnTopShowsTheWindowAgainWithItsTranslucency) {
    EXPECT_EQ(opacity.alphaOf(window.get()), 204);
    opacity.alphas.clear();
    window->PopupMenu1_StayOnTop->trigger();
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window->ViewSettings().StayOnTop);
    EXPECT_TRUE(window->isVisible()) << "a new style must not leave the window hidden";
    EXPECT_EQ(opacity.alphaOf(window.get()), 204);
    EXPECT_FALSE(window->PopupMenu1_Show->isEnabled()) << "the restyling is no hiding";
    EXPECT_TRUE(window->PopupMenu1_Hide->isEnabled());

    window->PopupMenu1_StayOnTop->trigger();
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(window->ViewSettings().StayOnTop);
    openMenu();
    EXPECT_FALSE(window->PopupMenu1_StayOnTop->isChecked());

    // Hidden in the tray, the window stays hidden under its new style.
    window->PopupMenu1_Hide->trigger();
    window->PopupMenu1_StayOnTop->trigger();
    EXPECT_TRUE(window->isHidden());
    openMenu();
    EXPECT_TRUE(window->PopupMenu1_StayOnTop->isChecked());
}

TEST_F(ViewFormMenuTest, TheAboutItemWorksOnlyWithAWindowToOpen) {
    EXPECT_FALSE(window->PopupMenu1_About->isEnabled());
    int opened = 0;
    window->setAboutOpener([&opened] { ++opened; });
    EXPECT_TRUE(window->PopupMenu1_About->isEnabled());
    window->PopupMenu1_About->trigger();
    EXPECT_EQ(opened, 1);
}

TEST_F(ViewFormMenuTest, AnAlarmLetsTheTrayIconCallAttentionOnlyWhileTheAlertRises) {
    folder.write(QStringLiteral("time/1"), "Id\xF5|Mi\r\n10:00|Most\r\n");
    window->LoadFile(QStringLiteral("time/1"));
    bool cyclingDuringFade = false;
    TTransparentForm::setSleeperForTesting(
        [&](int) { cyclingDuringFade = cyclingDuringFade || window->TrayIcon->CycleIcons(); });
    window->Timer1Timer();
    EXPECT_TRUE(cyclingDuringFade);
    EXPECT_FALSE(window->TrayIcon->CycleIcons());
    EXPECT_TRUE(alert->isVisible());
}
