#include "DesktopTest.h"
#include "Polling.h"
#include "ReminderRecordBytes.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <memory>

namespace {

// The windows as a Hungarian user with a larger font sees them: pictures kept for a person to
// look at (nothing cut, accents whole, Qt's own words in Hungarian). The test checks only that
// each window came and went as asked.
class HungarianLookTest : public DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        m_hungarian = environment();
        m_hungarian.insert(QStringLiteral("LANG"), QStringLiteral("hu_HU.UTF-8"));
        m_hungarian.remove(QStringLiteral("LC_ALL"));
    }

    // Started in the program folder, as the desktop entries start them.
    ProgramRun& start(const QString& program, const QStringList& arguments) {
        const QStringList shell{QStringLiteral("-c"), QStringLiteral("cd \"$0\" && exec \"$@\""),
                                folder().path(), folder().file(program)};
        m_runs.push_back(std::make_unique<ProgramRun>(QStringLiteral("/bin/sh"), shell + arguments,
                                                      m_hungarian));
        return *m_runs.back();
    }

    WindowId waitForWindow(ProgramRun& run, const QString& title) {
        WindowId found = 0;
        Polling::waitUntil(
            [&] {
                for (const WindowId window :
                     desktop().findWindows(QRegularExpression::escape(title), run.pid())) {
                    if (desktop().windowName(window) == title && desktop().isViewable(window))
                        found = window;
                }
                return found != 0 || !run.isRunning();
            },
            Polling::StartTimeout);
        return found != 0 && waitUntilActive(found) ? found : 0;
    }

    void keys(const QStringList& names) { ASSERT_TRUE(desktop().pressKeys(names)); }

    // The clock appears in the status bar at the first one-second tick: waits until the bar's
    // picture changes, so that the window's picture shows it.
    bool waitForClock(WindowId window) const {
        const QRect frame = desktop().frameGeometry(window);
        const QRect bar(frame.left(), frame.bottom() - 30, frame.width(), 30);
        const QString first = m_scratch.filePath(QStringLiteral("bar-first.png"));
        const QString now = m_scratch.filePath(QStringLiteral("bar-now.png"));
        if (!desktop().grab(bar, first))
            return false;
        return Polling::waitUntil(
            [&] { return desktop().grab(bar, now) && readAll(now) != readAll(first); },
            Polling::StepTimeout, std::chrono::milliseconds(200));
    }

    static QByteArray readAll(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_scratch;
    QProcessEnvironment m_hungarian;
    std::vector<std::unique_ptr<ProgramRun>> m_runs;
};

TEST_F(HungarianLookTest, TheOrganiserAndItsDialogsAtTwelvePoints) {
    ASSERT_TRUE(
        folder().write(QStringLiteral("Zimpa.ini"), "[MainForm]\r\nFontSize=12\r\ntbNevnap=1\r\n"));
    ASSERT_TRUE(folder().write(QStringLiteral("time.list"),
                               ReminderRecordBytes(7, 1, "\xDAj \xE9v \xFCnnepl\xE9se").bytes()));
    ProgramRun& organiser = start(QStringLiteral("Zimpa"), {});
    const WindowId window = waitForWindow(organiser, MainWindowTitle);
    ASSERT_NE(window, 0u) << organiser.describe().toStdString();

    keys({QStringLiteral("ctrl+u")});
    const WindowId dialog = waitForWindow(organiser, QStringLiteral("Zimpa V2.00 - Új Zimpa"));
    ASSERT_NE(dialog, 0u) << organiser.describe().toStdString();
    EXPECT_FALSE(saveScreenshot(dialog, QStringLiteral("hu-12pt-new-reminder")).isEmpty());
    keys({QStringLiteral("alt+m")});
    ASSERT_TRUE(waitUntilGone(dialog));
    ASSERT_TRUE(waitUntilActive(window));
    EXPECT_TRUE(waitForClock(window));
    EXPECT_FALSE(saveScreenshot(window, QStringLiteral("hu-12pt-main")).isEmpty());

    // "Betűkészlet és méret...", the first item of "Nézet"; one Escape cancels it all.
    keys({QStringLiteral("alt+n"), QStringLiteral("Return")});
    const WindowId fonts = waitForWindow(organiser, QStringLiteral("Betűkészlet"));
    ASSERT_NE(fonts, 0u) << organiser.describe().toStdString();
    EXPECT_FALSE(saveScreenshot(fonts, QStringLiteral("hu-12pt-font-dialog")).isEmpty());
    keys({QStringLiteral("Escape")});
    EXPECT_TRUE(waitUntilGone(fonts));

    ASSERT_TRUE(requestClose(window));
    ASSERT_TRUE(organiser.waitForExit(Polling::StepTimeout)) << organiser.describe().toStdString();
}

TEST_F(HungarianLookTest, TheViewerAtTwelvePoints) {
    ASSERT_TRUE(folder().write(QStringLiteral("Zimpa.ini"),
                               "[ViewForm]\r\nFontSize=12\r\nFontColor=clNavy\r\nWidth=320\r\n"
                               "Height=240\r\n"));
    ASSERT_TRUE(folder().write(QStringLiteral("time/5"),
                               "Id\xF5pont|Eml\xE9keztet\xF5 \xFCzenet\r\n"
                               "8:00|\xC1rv\xEDzt\xFBr\xF5 t\xFCk\xF6rf\xFAr\xF3g\xE9p\r\n"
                               "12:30|Eb\xE9\x64\r\n"));
    ProgramRun& viewer =
        start(QStringLiteral("Viewer"), {QStringLiteral("-D"), QStringLiteral("time/5")});
    const WindowId window = waitForWindow(viewer, QStringLiteral("Zimpa V2.00 (Előzetes)"));
    ASSERT_NE(window, 0u) << viewer.describe().toStdString();
    EXPECT_TRUE(waitForClock(window));
    EXPECT_FALSE(saveScreenshot(window, QStringLiteral("hu-12pt-viewer")).isEmpty());
    ASSERT_TRUE(requestClose(window));
    ASSERT_TRUE(viewer.waitForExit(Polling::StepTimeout)) << viewer.describe().toStdString();
}

} // namespace
