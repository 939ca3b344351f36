#include "ColourNames.h"
#include "ControlBar.h"
#include "FontDialog.h"
#include "MainWindowFixture.h"

#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

class ViewTest : public MainWindowFixture {
protected:
    void TearDown() override {
        FontDialog::setResponderForTesting({});
        MainWindowFixture::TearDown();
    }

    void moveOver(QListWidget* list) {
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5),
                         QPointF(list->viewport()->mapToGlobal(QPoint(5, 5))), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &move);
    }
};

TEST_F(ViewTest, FontChosenInTheDialogBecomesTheWindowsFontAndColour) {
    start(1);
    window->setFontColour(ColourNames::clNavy);
    const QFont before = window->font();
    const QFont menuFont = window->tbMenu->font();
    std::optional<FontDialog::Choice> offered;
    QFont chosen(QStringLiteral("DejaVu Serif"), 14);
    chosen.setItalic(true);
    FontDialog::setResponderForTesting([&](const FontDialog::Choice& initial) {
        offered = initial;
        return FontDialog::Choice{chosen, ColourNames::clRed};
    });

    window->mView_Font->trigger();
    ASSERT_TRUE(offered.has_value());
    EXPECT_EQ(offered->font, before);
    EXPECT_EQ(offered->colour, ColourNames::clNavy);
    EXPECT_EQ(window->font(), chosen);
    EXPECT_EQ(window->fontColour(), ColourNames::clRed);
    // The controls that take the window's font follow; the menu strip keeps its own.
    EXPECT_EQ(window->clbIdopont->font(), chosen);
    EXPECT_EQ(window->tZimpa->font(), chosen);
    EXPECT_EQ(window->StatusBar1->font(), chosen);
    EXPECT_EQ(window->tbMenu->font(), menuFont);
    EXPECT_EQ(window->clbIdopont->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_EQ(window->tbNevnap->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_NE(window->tbMenu->palette().color(QPalette::WindowText), QColor(Qt::red));
}

TEST_F(ViewTest, CancelledFontDialogChangesNothing) {
    start(0);
    const QFont before = window->font();
    FontDialog::setResponderForTesting([](const FontDialog::Choice&) { return std::nullopt; });
    window->mView_Font->trigger();
    EXPECT_EQ(window->font(), before);
    EXPECT_EQ(window->fontColour(), ColourNames::clBlack); // as the start set it
}

TEST_F(ViewTest, ColourWithoutAShownColourLeavesTheDesktopsText) {
    start(0);
    window->setFontColour(ColourNames::clGreen);
    EXPECT_EQ(window->mZimpa->palette().color(QPalette::Text), QColor(0, 0x80, 0));
    window->setFontColour(ColourNames::clNone);
    EXPECT_EQ(window->fontColour(), ColourNames::clNone);
    EXPECT_EQ(window->mZimpa->palette().color(QPalette::Text),
              QApplication::palette().color(QPalette::Text));
}

TEST_F(ViewTest, StayOnTopFollowsItsItemAndKeepsTheWindowShown) {
    start(0);
    showActive();
    window->mView_StayOnTop->trigger();
    EXPECT_TRUE(window->stayOnTop());
    EXPECT_TRUE(window->mView_StayOnTop->isChecked());
    EXPECT_TRUE(window->isVisible());
    window->mView_StayOnTop->trigger();
    EXPECT_FALSE(window->stayOnTop());
    EXPECT_TRUE(window->isVisible());

    window->setStayOnTop(true);
    EXPECT_TRUE(window->mView_StayOnTop->isChecked());
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    window->setStayOnTop(false);
    EXPECT_FALSE(window->mView_StayOnTop->isChecked());
}

TEST_F(ViewTest, BandItemsShowAndHideTheirBands) {
    start(0);
    EXPECT_FALSE(window->ToolBar1->isHidden());
    window->mView_cbFile->trigger();
    EXPECT_FALSE(window->mView_cbFile->isChecked());
    EXPECT_TRUE(window->ToolBar1->isHidden());
    EXPECT_TRUE(window->mView_cbNevnap->isChecked()); // the start shows the band
    EXPECT_FALSE(window->tbNevnap->isHidden());
    window->mView_cbNevnap->trigger();
    EXPECT_FALSE(window->mView_cbNevnap->isChecked());
    EXPECT_TRUE(window->tbNevnap->isHidden());
    window->mView_cbNevnap->trigger();
    EXPECT_FALSE(window->tbNevnap->isHidden());
    window->mView_cbNevnap->trigger();
    EXPECT_TRUE(window->tbNevnap->isHidden());

    // A hidden band's text is still kept, and shows again with the band.
    window->tbNevnap->setText(QStringLiteral("Ábel"));
    window->mView_cbFile->setChecked(true);
    window->mView_cbNevnap->setChecked(true);
    window->showBandsFromChecks();
    EXPECT_FALSE(window->ToolBar1->isHidden());
    EXPECT_FALSE(window->tbNevnap->isHidden());
    EXPECT_EQ(window->tbNevnap->text(), QStringLiteral("Ábel"));
    window->mView_cbFile->setChecked(false);
    window->showBandsFromChecks();
    EXPECT_TRUE(window->ToolBar1->isHidden());
    EXPECT_FALSE(window->tbNevnap->isHidden());
}

TEST_F(ViewTest, BandPositionsAreTheBandsLeftEdges) {
    start(0);
    showActive();
    EXPECT_EQ(window->bandPosition(window->ToolBar1), 11);
    EXPECT_EQ(window->bandPosition(window->tbNevnap), 326);
    EXPECT_EQ(window->tbNevnap->x(), 326);
    window->setBandPosition(window->tbNevnap, 200);
    window->setBandPosition(window->ToolBar1, 40);
    EXPECT_EQ(window->bandPosition(window->tbNevnap), 200);
    EXPECT_EQ(window->bandPosition(window->ToolBar1), 40);
    EXPECT_EQ(window->ToolBar1->x(), 40);
    EXPECT_EQ(window->tbNevnap->x(), 200);
    EXPECT_EQ(window->bandPosition(window->mZimpa), -1);
}

TEST_F(ViewTest, ToolButtonsAsDesigned) {
    start(0);
    const std::tuple<QToolButton*, const char*, bool> buttons[] = {
        {window->ToolButton1, "Új Zimpa készítése", true},
        {window->ToolButton3, "Aktuális Zimpa mentése", false},
        {window->ToolButton4, "Aktuális Zimpa nyomtatása", false},
    };
    for (const auto& [button, hint, enabled] : buttons) {
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(hint));
        EXPECT_EQ(button->isEnabled(), enabled) << hint;
        EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor) << hint;
    }
    EXPECT_EQ(window->ToolButton2->width(), 8);
    EXPECT_EQ(window->ToolBar1->windowTitle(), QStringLiteral("Fájl"));
}

TEST_F(ViewTest, MouseOverAListCountsItsLines) {
    start(0, 3);
    addLines(window->lbUnnep, 2);
    const std::pair<QListWidget*, const char*> lists[] = {
        {window->clbIdopont, "0 időpont van a listában."},
        {window->clbFeladat, "3 feladat van a listában."},
        {window->clbFeljegyzes, "0 feljegyzés van a listában."},
        {window->lbNevnap, "0 névnap van a listában."},
        {window->lbUnnep, "2 ünnep van a listában."},
    };
    for (const auto& [list, text] : lists) {
        EXPECT_TRUE(list->viewport()->hasMouseTracking());
        moveOver(list);
        EXPECT_EQ(window->statusPanelText(0), QString::fromUtf8(text));
    }
    window->clbFeladat->takeItem(0);
    moveOver(window->clbFeladat);
    EXPECT_EQ(window->statusPanelText(0), QStringLiteral("2 feladat van a listában."));
}

TEST_F(ViewTest, HintsGoToTheFirstPanel) {
    start(0);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(window->ToolButton1, &enter);
    EXPECT_EQ(window->statusPanelText(0), QStringLiteral("Új Zimpa készítése"));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(window->ToolButton1, &leave);
    EXPECT_EQ(window->statusPanelText(0), QString());

    showActive();
    window->FileMenu->popup(window->mapToGlobal(QPoint(10, 10)));
    window->FileMenu->setActiveAction(window->mFile_New);
    EXPECT_EQ(window->statusPanelText(0), QStringLiteral("Új Zimpa..."));
    window->FileMenu->setActiveAction(window->mFile_Exit);
    EXPECT_EQ(window->statusPanelText(0), QStringLiteral("Kilépés"));
    // A disabled item under the mouse is highlighted and shows its hint too.
    ASSERT_FALSE(window->mFile_Save->isEnabled());
    QTest::mouseMove(window->FileMenu,
                     window->FileMenu->actionGeometry(window->mFile_Save).center());
    EXPECT_EQ(window->FileMenu->activeAction(), window->mFile_Save);
    EXPECT_EQ(window->statusPanelText(0), QStringLiteral("Változtatások mentése"));
    window->FileMenu->hide();
    // An item without a hint empties the panel.
    window->PopupMenu1->popup(window->mapToGlobal(QPoint(10, 10)));
    window->PopupMenu1->setActiveAction(window->PopupMenu1_New);
    EXPECT_EQ(window->statusPanelText(0), QString());
    window->PopupMenu1->hide();

    // Panels 1 to 3 belong to the clock and the lock states; hints never reach them.
    for (int panel = 1; panel < 4; ++panel)
        EXPECT_EQ(window->statusPanelText(panel), QString()) << panel;
    EXPECT_FALSE(window->StatusBar1->currentMessage().size());
}

TEST_F(ViewTest, StatusPanelsAsDesigned) {
    start(0);
    showActive();
    const auto panels =
        window->StatusBar1->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(panels.size(), 4);
    EXPECT_EQ(panels[0]->width(), 300);
    EXPECT_EQ(panels[1]->width(), 50);
    EXPECT_EQ(panels[2]->width(), 50);
    EXPECT_GE(panels[3]->width(), 50);
    EXPECT_TRUE(panels[1]->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(panels[0]->alignment() & Qt::AlignLeft);
    EXPECT_LT(panels[0]->x(), panels[1]->x());
    EXPECT_LT(panels[2]->x(), panels[3]->x());
    window->setStatusPanelText(3, QStringLiteral("2026.01.01 12:00:00"));
    EXPECT_EQ(panels[3]->text(), QStringLiteral("2026.01.01 12:00:00"));
    window->SetStatusText(QStringLiteral("x"));
    EXPECT_EQ(panels[0]->text(), QStringLiteral("x"));

    // In a large font the clock's whole text takes its room from the hints' panel.
    QFont large = window->font();
    large.setPointSize(14);
    window->setFont(large);
    const QString clock = QStringLiteral("2026. 12. 09. 12:12:30");
    window->setStatusPanelText(3, clock);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    EXPECT_GE(panels[3]->contentsRect().width(), panels[3]->fontMetrics().horizontalAdvance(clock));
    EXPECT_LT(panels[0]->width(), 300);
    EXPECT_LE(panels[3]->geometry().right(), window->StatusBar1->width());
}
