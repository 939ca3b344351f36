#include "TransparentForm.h"
#include "FadeRecorder.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

// 255/100 = 51/20: the opacity's share of 255, truncated, in the low byte. The opacity is
// eight bits wide and wraps.
int alphaOf(int opacityPercent) {
    return (static_cast<std::int8_t>(opacityPercent) * 51 / 20) & 0xFF;
}

// Invisible at once, shown, then one step per percent from 100 down to the target.
QStringList fadeIn(int target) {
    QStringList events = {QStringLiteral("alpha 0"), QStringLiteral("shown")};
    for (int t = 100; t >= target; --t)
        events << QStringLiteral("alpha %1").arg(alphaOf(100 - t)) << QStringLiteral("paint")
               << QStringLiteral("flush") << QStringLiteral("sleep 5");
    return events;
}

} // namespace

class TransparentFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<QWidget>();
        window->resize(120, 60);
        component = new TTransparentForm(window.get());
        recorder.watch(window.get());
    }

    // Shown and painted once, as a window is before its second alert.
    void showAndSettle() {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QCoreApplication::processEvents();
        recorder.events.clear();
    }

    int alphaForTransparency(int transparency) {
        recorder.events.clear();
        component->ApplyTransparency(static_cast<std::int8_t>(transparency));
        const QList<int> alphas = recorder.alphas();
        return alphas.size() == 1 ? alphas.front() : -1;
    }

    FadeRecorder recorder;
    std::unique_ptr<QWidget> window;
    TTransparentForm* component = nullptr;
};

TEST_F(TransparentFormTest, StartsOpaqueAndItsSettersOnlyStore) {
    EXPECT_EQ(component->parent(), window.get());
    EXPECT_EQ(component->Transparency(), 0);
    EXPECT_EQ(component->FadeTime(), 5);
    EXPECT_EQ(recorder.events, QStringList{QStringLiteral("alpha 255")});
    EXPECT_EQ(recorder.target, window.get());

    recorder.events.clear();
    component->SetTransparency(100);
    component->SetFadeTime(20);
    EXPECT_EQ(component->Transparency(), 100);
    EXPECT_EQ(component->FadeTime(), 20);
    EXPECT_TRUE(recorder.events.isEmpty());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(TransparentFormTest, AlphaOfEveryTransparencyFollowsTheEightBitArithmetic) {
    const std::pair<int, int> known[] = {{0, 255},  {1, 252}, {10, 229}, {25, 191},
                                         {50, 127}, {75, 63}, {99, 2},   {100, 0}};
    for (const auto& [transparency, alpha] : known)
        EXPECT_EQ(alphaForTransparency(transparency), alpha) << "transparency " << transparency;
    for (int transparency = 0; transparency <= 100; ++transparency) {
        EXPECT_EQ(alphaForTransparency(transparency), alphaOf(100 - transparency))
            << "transparency " << transparency;
        EXPECT_EQ(component->Transparency(), transparency);
    }

    // Out of range values are not refused: the opacity wraps in eight bits and only the low
    // byte of the signed result reaches the window.
    EXPECT_EQ(alphaForTransparency(101), 254);  // opacity -1: -255 / 100 = -2
    EXPECT_EQ(alphaForTransparency(127), 188);  // opacity -27: -68
    EXPECT_EQ(alphaForTransparency(-1), 1);     // opacity 101: 257
    EXPECT_EQ(alphaForTransparency(-28), 186);  // opacity 128 wraps to -128: -326
    EXPECT_EQ(alphaForTransparency(-128), 185); // opacity 228 wraps to -28: -71
    EXPECT_EQ(component->Transparency(), -128);
    EXPECT_EQ(recorder.target, window.get());
}

TEST_F(TransparentFormTest, FadeInMakesTheWindowInvisibleShowsItAndStepsToTheTarget) {
    recorder.events.clear();
    bool visibleAtFirstStep = false;
    QList<int> transparencyAtSleep;
    recorder.onSleep = [&] {
        visibleAtFirstStep = visibleAtFirstStep || window->isVisible();
        transparencyAtSleep << component->Transparency();
    };
    component->FadeIn(50);
    EXPECT_TRUE(visibleAtFirstStep);
    EXPECT_EQ(recorder.events.mid(0, 2), (QStringList{"alpha 0", "shown"}));
    EXPECT_EQ(recorder.alphas().back(), 127);
    // The value moves only when the fade is done.
    EXPECT_EQ(transparencyAtSleep, QList<int>(51, 100));
    EXPECT_EQ(component->Transparency(), 50);

    // On a window that is on screen every step repaints it: 101 steps to opaque.
    showAndSettle();
    component->FadeIn(0);
    EXPECT_EQ(recorder.events, fadeIn(0));
    EXPECT_EQ(recorder.alphas().mid(1, 3), (QList<int>{0, 2, 5}));
    EXPECT_EQ(component->Transparency(), 0);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(TransparentFormTest, FadeInBeyondTheRangeEnds) {
    showAndSettle();
    // Above 100 there is no step: the window is shown fully transparent.
    component->FadeIn(101);
    EXPECT_EQ(recorder.events, (QStringList{"alpha 0", "shown"}));
    EXPECT_EQ(component->Transparency(), 101);

    // 100 down to -128 is 229 steps; the opacities above 127 wrap.
    recorder.events.clear();
    component->FadeIn(-128);
    EXPECT_EQ(recorder.events, fadeIn(-128));
    EXPECT_EQ(recorder.alphas().back(), 185);
    EXPECT_EQ(component->Transparency(), -128);
}

TEST_F(TransparentFormTest, FadeOutStepsFromTheCurrentTransparencyToInvisible) {
    showAndSettle();
    component->ApplyTransparency(0);
    recorder.events.clear();
    QList<int> transparencyAtSleep;
    recorder.onSleep = [&] {
        transparencyAtSleep << component->Transparency();
    };

    component->FadeOut();

    QStringList expected;
    QList<int> transparencies;
    for (int t = 0; t <= 100; ++t) {
        expected << QStringLiteral("alpha %1").arg(alphaOf(100 - t)) << QStringLiteral("flush")
                 << QStringLiteral("sleep 5");
        transparencies << t;
    }
    // No repaint, and the window stays shown.
    EXPECT_EQ(recorder.events, expected);
    EXPECT_EQ(transparencyAtSleep, transparencies);
    EXPECT_EQ(component->Transparency(), 100);
    EXPECT_TRUE(window->isVisible());

    // At 100 one step, above it none.
    recorder.events.clear();
    component->FadeOut();
    EXPECT_EQ(recorder.events, (QStringList{"alpha 0", "flush", "sleep 5"}));
    component->ApplyTransparency(101);
    recorder.events.clear();
    component->FadeOut();
    EXPECT_TRUE(recorder.events.isEmpty());
}

TEST_F(TransparentFormTest, WithoutOpacityTheValuesAndTheWaitsStay) {
    showAndSettle();
    recorder.available = false;

    component->ApplyTransparency(30);
    EXPECT_EQ(component->Transparency(), 30);
    component->FadeIn(0);
    QStringList expected = fadeIn(0);
    expected.removeIf(
        [](const QString& event) { return event.startsWith(QLatin1String("alpha")); });
    EXPECT_EQ(recorder.events, expected);
    EXPECT_EQ(recorder.count(QStringLiteral("sleep 5")), 101);
    EXPECT_EQ(component->Transparency(), 0);
    EXPECT_TRUE(window->isVisible());

    recorder.events.clear();
    component->FadeOut();
    EXPECT_EQ(recorder.count(QStringLiteral("sleep 5")), 101);
    EXPECT_TRUE(recorder.alphas().isEmpty());
    EXPECT_EQ(component->Transparency(), 100);
}

TEST_F(TransparentFormTest, EachStepSleepsTheFadeTimeAndANegativeOneNotAtAll) {
    component->SetFadeTime(20);
    component->ApplyTransparency(98);
    recorder.events.clear();
    component->FadeOut();
    EXPECT_EQ(recorder.count(QStringLiteral("sleep 20")), 3);

    // Widened to the platform's unsigned wait a negative time would never end.
    component->SetFadeTime(-1);
    component->ApplyTransparency(99);
    recorder.events.clear();
    component->FadeOut();
    EXPECT_EQ(recorder.events.filter(QStringLiteral("sleep")), (QStringList{"sleep 0", "sleep 0"}));
}

TEST_F(TransparentFormTest, AFadeRunsNoTimerAndNoQueuedCallInTheMiddle) {
    bool timerRan = false;
    bool queuedCallRan = false;
    QTimer::singleShot(0, window.get(), [&] { timerRan = true; });
    QMetaObject::invokeMethod(
        window.get(), [&] { queuedCallRan = true; }, Qt::QueuedConnection);
    bool ranDuringFade = false;
    recorder.onSleep = [&] {
        ranDuringFade = ranDuringFade || timerRan || queuedCallRan;
    };

    component->FadeIn(0);
    component->FadeOut();
    EXPECT_FALSE(ranDuringFade);
    // Both were only held back.
    QTRY_VERIFY_WITH_TIMEOUT(timerRan && queuedCallRan, 5000);
}

TEST(TransparentFormDesktop, SleepsForRealAndChangesNoOpacityOffscreen) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("offscreen"));
    QWidget window;
    TTransparentForm component(&window);
    component.SetFadeTime(10);
    component.ApplyTransparency(96);
    QElapsedTimer clock;
    clock.start();
    component.FadeOut(); // five steps
    EXPECT_GE(clock.elapsed(), 5 * 10);
    component.FadeIn(99);
    EXPECT_EQ(window.windowOpacity(), 1.0);
    EXPECT_TRUE(window.isVisible());
}
