#pragma once

#include "DesktopDriver.h"
#include "ProgramFolder.h"
#include "ProgramRun.h"
#include "XSession.h"

#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

// Texts in failure messages as text, not as a list of characters.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QRect& rect, std::ostream* out) {
    *out << rect.x() << ',' << rect.y() << ' ' << rect.width() << 'x' << rect.height();
}

// The organiser on a real desktop. Each group of tests gets its own X session; each test gets a
// copy of the delivered program folder, a private runtime folder (where the organiser keeps its
// one-copy lock and socket) and home, and the organisers it started are ended after it. A test
// that fails leaves a picture of the whole screen among the artefacts.
class DesktopTest : public ::testing::Test {
public:
    using WindowId = DesktopDriver::WindowId;

    static const QString MainWindowTitle;
    static const QString BoxCaption;

    // Where pictures of the windows are kept: build/<preset>/tests/desktop/artefacts.
    static QString artefactFolder();

protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    const ProgramFolder& folder() const { return *m_folder; }
    const DesktopDriver& desktop() const { return *m_desktop; }
    // The environment the test's programs run in: the session's display, the test's folders.
    const QProcessEnvironment& environment() const { return m_environment; }

    // Adds a variable to the environment of the programs the test starts from now on.
    void setEnvironmentVariable(const QString& name, const QString& value);

    // Starts the organiser from the copied folder, as a user does; the run belongs to the test.
    ProgramRun& startOrganiser(const QStringList& arguments = {});

    // The run's main window once it is on screen; 0 when none came in time.
    WindowId waitForMainWindow(ProgramRun& run);
    // A message box of the run once it is on screen; 0 when none came in time.
    WindowId waitForBox(ProgramRun& run);
    // A window of the run whose title matches the pattern, once it is on screen; 0 when none
    // came in time.
    WindowId waitForWindow(ProgramRun& run, const QString& titlePattern);
    // Every window on the display with the main window's title, of whatever process.
    QList<WindowId> mainWindows() const;

    // Asks the window to close as a user does: it gets the keyboard and Alt+F4 is pressed, so
    // the window manager asks the program, which may refuse.
    bool requestClose(WindowId window) const;
    // Presses Return in a message box: its only button, OK, takes it.
    bool confirmBox(WindowId box) const;

    // In the window manager's stacking order, which also holds windows kept above all others.
    bool isAbove(WindowId upper, WindowId lower) const;

    bool waitUntilGone(WindowId window) const;
    bool waitUntilActive(WindowId window) const;
    // Presses the keys named one after the other, blanks between them: "Tab Tab Down".
    bool keys(const QString& names) const;

    // Keeps a picture of the window with its frame as a PNG file among the artefacts; returns
    // the file, empty when no picture could be taken.
    QString saveScreenshot(WindowId window, const QString& name) const;
    // The same for the part of the screen that shows all of these windows.
    QString saveScreenshot(const QList<WindowId>& windows, const QString& name) const;

private:
    static std::unique_ptr<QTemporaryDir> s_sessionFolder;
    static std::unique_ptr<XSession> s_session;

    QTemporaryDir m_scratch;
    QProcessEnvironment m_environment;
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<DesktopDriver> m_desktop;
    std::vector<std::unique_ptr<ProgramRun>> m_runs;
};
