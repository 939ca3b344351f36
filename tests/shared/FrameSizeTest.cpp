#include "FrameSize.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// The offscreen desktop frames its windows too, two pixels all round, once they are shown.
bool framedAt(const QWidget& window, const QSize& outer) {
    return QTest::qWaitFor([&] { return window.frameGeometry().size() == outer; });
}

TEST(FrameSizeTest, ASizeSetBeforeTheFrameComesBecomesTheFramesAndIsReportedThroughout) {
    QWidget window;
    FrameSize::setWidth(window, 300);
    FrameSize::setHeight(window, 200);
    EXPECT_EQ(FrameSize::of(window), QSize(300, 200));
    window.show();
    ASSERT_TRUE(framedAt(window, QSize(300, 200)));
    EXPECT_EQ(window.size(), QSize(300, 200) - (window.frameGeometry().size() - window.size()));
    EXPECT_LT(window.width(), 300);
    EXPECT_EQ(FrameSize::of(window), QSize(300, 200));

    // Hidden into the notification area, it keeps its size.
    window.hide();
    EXPECT_EQ(FrameSize::of(window), QSize(300, 200));
}

TEST(FrameSizeTest, OnceFramedASizeSetIsTheFramesAtOnceAndAnyResizeIsReported) {
    QWidget window;
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.frameGeometry() != window.geometry(); }));
    FrameSize::setWidth(window, 320);
    EXPECT_EQ(window.frameGeometry().width(), 320);
    window.resize(250, 150);
    EXPECT_EQ(FrameSize::of(window), window.frameGeometry().size());
}

TEST(FrameSizeTest, AWindowThatIsNeverShownWritesBackTheSizeItRead) {
    QWidget window;
    FrameSize::setHeight(window, 478);
    FrameSize::setWidth(window, 544);
    EXPECT_EQ(FrameSize::of(window), QSize(544, 478));
    // Resized by the program while no frame is known: that is its size now.
    window.resize(400, 300);
    EXPECT_EQ(FrameSize::of(window), QSize(400, 300));
}

} // namespace
