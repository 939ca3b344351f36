#include "DesktopTest.h"
#include "Polling.h"

namespace {

const QString Ini = QStringLiteral("Zimpa.ini");

// "Left", "Top", "Width" and "Height" are the window with the window manager's frame: where the
// frame stands and how large it is, in both programs. The frame comes some time after the window
// is shown; the stored size is the frame's then all the same, and a close writes back what was
// read.
class WindowFrameTest : public DesktopTest {
protected:
    void expectFrameAndRoundTrip(ProgramRun& run, WindowId window, const QRect& stored,
                                 const QByteArray& keys) {
        ASSERT_NE(window, 0u) << run.describe().toStdString();
        QRect frame;
        Polling::waitUntil([&] { return (frame = desktop().frameGeometry(window)) == stored; },
                           Polling::StepTimeout);
        EXPECT_EQ(frame, stored);
        ASSERT_TRUE(requestClose(window) && run.waitForExit(Polling::StepTimeout));
        EXPECT_TRUE(folder().read(Ini).contains(keys)) << folder().read(Ini).constData();
    }
};

TEST_F(WindowFrameTest, TheStoredSizeIsTheFramesAndComesBackUnchanged) {
    ASSERT_TRUE(folder().write(Ini,
                               "[MainForm]\r\nTop=60\r\nLeft=70\r\nWidth=544\r\nHeight=478\r\n"
                               "[ViewForm]\r\nTop=90\r\nLeft=80\r\nWidth=236\r\nHeight=234\r\n"));
    ProgramRun& organiser = startOrganiser();
    expectFrameAndRoundTrip(organiser, waitForMainWindow(organiser), QRect(70, 60, 544, 478),
                            "Top=60\r\nLeft=70\r\nWidth=544\r\nHeight=478\r\n");

    ASSERT_TRUE(folder().write(QStringLiteral("memo/7"), "Jegyzet"));
    ProgramRun viewer(folder().file(QStringLiteral("Viewer")),
                      {QStringLiteral("-D"), folder().file(QStringLiteral("memo/7"))},
                      environment());
    expectFrameAndRoundTrip(viewer, waitForWindow(viewer, QStringLiteral("^Zimpa V2\\.00 \\(El")),
                            QRect(80, 90, 236, 234),
                            "Top=90\r\nLeft=80\r\nWidth=236\r\nHeight=234\r\n");
}

} // namespace
