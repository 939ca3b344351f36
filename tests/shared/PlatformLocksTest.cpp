#include "Compositor.h"
#include "KeyLocks.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QWidget>

#include <gtest/gtest.h>

// Off the X11 desktop there are no lock indicators and no compositing manager to ask, and
// asking must neither fail nor pretend.
TEST(OffscreenDesktop, HasNoLockIndicatorsAndNoCompositor) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("offscreen"));
    EXPECT_FALSE(KeyLocks::isNumLockOn());
    EXPECT_FALSE(KeyLocks::isCapsLockOn());
    EXPECT_FALSE(Compositor::isRunning());

    // Nothing to wait for: the call returns at once and leaves the window to Qt.
    QWidget window;
    window.show();
    const bool mapped = window.testAttribute(Qt::WA_Mapped);
    QElapsedTimer clock;
    clock.start();
    Compositor::flush();
    Compositor::waitUntilMapped(&window, 2000);
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(window.testAttribute(Qt::WA_Mapped), mapped);
}
