#include "DesktopTest.h"
#include "Polling.h"

#include <QRegularExpression>

namespace {

const QString Ini = QStringLiteral("Zimpa.ini");

// "Left", "Top", "Width" and "Height" are the window with the window manager's frame: where the
// frame stands and how large it is. The frame comes some time after the window is shown; the
// stored size is the frame's then all the same, and a close writes back what was read.
class WindowFrameTest : public DesktopTest {
protected:
    // The window's frame once it has the place and size; the last one seen when it never does.
    QRect waitForFrame(WindowId window, const QRect& expected) {
        QRect frame;
        Polling::waitUntil(
            [&] {
                frame = desktop().frameGeometry(window);
                return frame == expected;
            },
            Polling::StepTimeout);
        return frame;
    }

    void closeAndExpect(ProgramRun& run, WindowId window, const QByteArray& keys) {
        ASSERT_TRUE(requestClose(window));
        ASSERT_TRUE(run.waitForExit(Polling::StepTimeout)) << run.describe().toStdString();
        const QByteArray written = folder().read(Ini);
        EXPECT_TRUE(written.contains(keys)) << written.constData();
    }
};

TEST_F(WindowFrameTest, TheOrganisersStoredSizeIsItsFramesAndComesBackUnchanged) {
    ASSERT_TRUE(
        folder().write(Ini, "[MainForm]\r\nTop=60\r\nLeft=70\r\nWidth=544\r\nHeight=478\r\n"));
    ProgramRun& organiser = startOrganiser();
    const WindowId window = waitForMainWindow(organiser);
    ASSERT_NE(window, 0u) << organiser.describe().toStdString();
    EXPECT_EQ(waitForFrame(window, QRect(70, 60, 544, 478)), QRect(70, 60, 544, 478));
    closeAndExpect(organiser, window, "Top=60\r\nLeft=70\r\nWidth=544\r\nHeight=478\r\n");
}

TEST_F(WindowFrameTest, TheViewersStoredSizeIsItsFramesAndComesBackUnchanged) {
    ASSERT_TRUE(folder().write(QStringLiteral("memo/7"), "Jegyzet"));
    ASSERT_TRUE(
        folder().write(Ini, "[ViewForm]\r\nTop=90\r\nLeft=80\r\nWidth=236\r\nHeight=234\r\n"));
    ProgramRun viewer(folder().file(QStringLiteral("Viewer")),
                      {QStringLiteral("-D"), folder().file(QStringLiteral("memo/7"))},
                      environment());
    const WindowId window = waitForWindow(viewer, QStringLiteral("^Zimpa V2\\.00 \\(El"));
    ASSERT_NE(window, 0u) << viewer.describe().toStdString();
    EXPECT_EQ(waitForFrame(window, QRect(80, 90, 236, 234)), QRect(80, 90, 236, 234));
    closeAndExpect(viewer, window, "Top=90\r\nLeft=80\r\nWidth=236\r\nHeight=234\r\n");
}

} // namespace
