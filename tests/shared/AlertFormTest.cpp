#include "AlertForm.h"
#include "FadeRecorder.h"
#include "TransparentForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

class AlertFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        alert = std::make_unique<TfrmAlert>();
        recorder.watch(alert.get());
        recorder.events.clear();
    }

    QStringList lines() const { return alert->mMemo->toPlainText().split(QLatin1Char('\n')); }
    int sleeps() const { return recorder.count(QStringLiteral("sleep 5")); }

    // The title bar's close box.
    void closeBox() {
        QCloseEvent event;
        QApplication::sendEvent(alert.get(), &event);
        if (event.isAccepted())
            alert->hide();
    }

    FadeRecorder recorder;
    std::unique_ptr<TfrmAlert> alert;
};

TEST_F(AlertFormTest, IsASmallTopLevelWindowOfItsOwn) {
    EXPECT_EQ(alert->windowTitle(), QStringLiteral("Zimpa V2.00 - Üzenet"));
    EXPECT_EQ(alert->minimumSize(), QSize(387, 149));
    EXPECT_EQ(alert->maximumSize(), QSize(387, 149));
    EXPECT_EQ(alert->parentWidget(), nullptr);
    EXPECT_FALSE(alert->testAttribute(Qt::WA_QuitOnClose));
    const Qt::WindowFlags flags = alert->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    const QPoint centre = QGuiApplication::primaryScreen()->virtualGeometry().center();
    EXPECT_LE((alert->geometry().center() - centre).manhattanLength(), 2);

    EXPECT_EQ(alert->mMemo->geometry(), QRect(8, 8, 369, 97));
    EXPECT_TRUE(alert->mMemo->isReadOnly());
    EXPECT_EQ(alert->mMemo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(alert->btnClose->geometry(), QRect(288, 115, 75, 25));
    EXPECT_EQ(alert->btnClose->shortcut(), QKeySequence(QStringLiteral("Alt+B")));
    EXPECT_EQ(alert->btnClose->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(alert->TransparentForm->FadeTime(), 5);

    EXPECT_FALSE(alert->isVisible());
    EXPECT_TRUE(alert->mMemo->toPlainText().isEmpty());
}

TEST(AlertFormFont, TakesTheMainWindowsFontNameSizeAndColourOnce) {
    FadeRecorder recorder;
    QWidget mainWindow;
    QFont font(QStringLiteral("DejaVu Serif"), 14);
    font.setBold(true);
    mainWindow.setFont(font);
    QPalette colours = mainWindow.palette();
    colours.setColor(QPalette::WindowText, Qt::red);
    colours.setColor(QPalette::Text, Qt::red);
    mainWindow.setPalette(colours);

    TfrmAlert alert(&mainWindow);
    EXPECT_EQ(alert.mMemo->font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(alert.btnClose->font().pointSize(), 14);
    EXPECT_FALSE(alert.font().bold());
    EXPECT_EQ(alert.mMemo->palette().color(QPalette::Text), QColor(Qt::red));

    // Later changes of the main window stay there.
    mainWindow.setFont(QFont(QStringLiteral("DejaVu Sans"), 20));
    EXPECT_EQ(alert.font().pointSize(), 14);

    TfrmAlert withoutMainWindow;
    EXPECT_EQ(withoutMainWindow.font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(withoutMainWindow.font().pointSize(), 8);
}

TEST_F(AlertFormTest, LinesWaitUntilThePopupAndASecondPopupShowsThemAll) {
    // With no line an empty window fades in.
    alert->Popup();
    EXPECT_TRUE(alert->isVisible());
    EXPECT_EQ(alert->mMemo->toPlainText(), QString());
    alert->hide();

    alert->AddLine(QStringLiteral("A(z) 08:30 időpontra az alábbi emlékeztetőt jegyezted be:"));
    alert->AddLine(QStringLiteral("Fogorvos"));
    EXPECT_FALSE(alert->isVisible());
    QStringList linesWhileFading;
    recorder.onSleep = [&] {
        linesWhileFading = lines();
    };
    recorder.events.clear();
    alert->Popup();
    EXPECT_EQ(
        linesWhileFading,
        (QStringList{"A(z) 08:30 időpontra az alábbi emlékeztetőt jegyezted be:", "Fogorvos"}));
    EXPECT_EQ(recorder.events.mid(0, 2), (QStringList{"alpha 0", "shown"}));
    EXPECT_EQ(sleeps(), 101);
    EXPECT_EQ(recorder.alphas().back(), 255);
    EXPECT_EQ(recorder.target, alert.get());

    // Shown again while on screen: invisible at once, repainted at every step, one window.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(alert.get()));
    recorder.events.clear();
    alert->AddLine(QStringLiteral("second"));
    alert->Popup();
    EXPECT_EQ(recorder.alphas().front(), 0);
    EXPECT_EQ(recorder.count(QStringLiteral("paint")), 101);
    EXPECT_EQ(lines().last(), QStringLiteral("second"));
    EXPECT_EQ(lines().size(), 3);
}

TEST_F(AlertFormTest, TheButtonFadesOutThenEmptiesAndHides) {
    alert->AddLine(QStringLiteral("old"));
    alert->Popup();
    recorder.events.clear();
    bool shownWithLinesWhileFading = true;
    recorder.onSleep = [&] {
        shownWithLinesWhileFading = shownWithLinesWhileFading && alert->isVisible() &&
                                    lines() == QStringList{QStringLiteral("old")};
    };

    QTest::mouseClick(alert->btnClose, Qt::LeftButton);
    EXPECT_TRUE(shownWithLinesWhileFading);
    EXPECT_EQ(sleeps(), 101);
    EXPECT_EQ(recorder.alphas().front(), 255);
    EXPECT_EQ(recorder.alphas().back(), 0);
    EXPECT_FALSE(alert->isVisible());

    // The next alert holds only its own lines.
    recorder.onSleep = nullptr;
    alert->AddLine(QStringLiteral("new"));
    alert->Popup();
    EXPECT_EQ(lines(), QStringList{QStringLiteral("new")});
}

TEST_F(AlertFormTest, TheCloseBoxHidesAtOnceAndKeepsTheLines) {
    alert->AddLine(QStringLiteral("old"));
    alert->Popup();
    recorder.events.clear();
    closeBox();
    EXPECT_FALSE(alert->isVisible());
    EXPECT_TRUE(recorder.events.isEmpty());

    alert->AddLine(QStringLiteral("new"));
    alert->Popup();
    EXPECT_EQ(lines(), (QStringList{"old", "new"}));
}

TEST_F(AlertFormTest, ClosingTheLastShownWindowDoesNotEndTheProgram) {
    // Qt ends a program only while its event loop runs, so this one runs it: closing the alert
    // as the only shown window must not quit it; the test's own exit ends it.
    QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
    alert->Popup();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(alert.get()));
    QTimer::singleShot(0, alert.get(), [this] {
        alert->close();
        QTimer::singleShot(100, qApp, [] { QCoreApplication::exit(7); });
    });
    EXPECT_EQ(QApplication::exec(), 7);
    EXPECT_FALSE(alert->isVisible());
    EXPECT_EQ(lastWindowClosed.count(), 0);
}

TEST_F(AlertFormTest, WithoutOpacityThePopupShowsTheWindowAndStillWaits) {
    recorder.available = false;
    bool shownAtFirstStep = false;
    recorder.onSleep = [&] {
        shownAtFirstStep = shownAtFirstStep || alert->isVisible();
    };
    alert->AddLine(QStringLiteral("line"));
    alert->Popup();
    EXPECT_TRUE(shownAtFirstStep);
    EXPECT_EQ(sleeps(), 101);

    recorder.events.clear();
    alert->btnClose->click();
    EXPECT_EQ(sleeps(), 101);
    EXPECT_TRUE(recorder.alphas().isEmpty());
    EXPECT_FALSE(alert->isVisible());
    EXPECT_TRUE(alert->mMemo->toPlainText().isEmpty());
}
