#include "DesktopTest.h"
#include "Polling.h"
#include "ReminderRecordBytes.h"

#include <QTemporaryDir>

#include <csignal>

namespace {

// What logging out or shutting down does to the programs: a signal, or the display going away.
// Each must end them as their close does, which alone writes the lists (a ticked byte of 2 goes
// back as 1), the windows' settings and the viewer's way out of the register.
class SessionEndTest : public DesktopTest {
protected:
    const ReminderRecordBytes appointment{61, 2, "Fogorvos"};

    // The organiser and a viewer on the display; false when they did not come up in time.
    bool startBoth(const QProcessEnvironment& env, const DesktopDriver& driver) {
        folder().write(QStringLiteral("time.list"), appointment.bytes());
        folder().write(QStringLiteral("time/61"), "Id\xF5|\xDCzenet\r\n9:00|Fogorvos\r\n");
        folder().remove(QStringLiteral("Zimpa.ini"));
        folder().remove(QStringLiteral("pl.data"));
        organiser = std::make_unique<ProgramRun>(folder().program(), QStringList{}, env);
        const QStringList shell{QStringLiteral("-c"), QStringLiteral("cd \"$0\" && exec \"$@\""),
                                folder().path(),      folder().file(QStringLiteral("Viewer")),
                                QStringLiteral("-D"), QStringLiteral("time/61")};
        viewer = std::make_unique<ProgramRun>(QStringLiteral("/bin/sh"), shell, env);
        return Polling::waitUntil(
            [&] {
                return driver.findWindows(QStringLiteral("^Zimpa V2")).size() == 2 &&
                       folder().read(QStringLiteral("pl.data")).size() == 4;
            },
            Polling::StartTimeout);
    }

    void expectBothClosed() {
        ASSERT_TRUE(organiser->waitForExit(Polling::StepTimeout))
            << organiser->describe().toStdString();
        ASSERT_TRUE(viewer->waitForExit(Polling::StepTimeout)) << viewer->describe().toStdString();
        EXPECT_EQ(folder().read(QStringLiteral("time.list")), appointment.withChecked(1).bytes());
        const QByteArray settings = folder().read(QStringLiteral("Zimpa.ini"));
        EXPECT_TRUE(settings.contains("[MainForm]\r\nFontName=")) << settings.constData();
        EXPECT_TRUE(settings.contains("[ViewForm]\r\nFontName=")) << settings.constData();
        EXPECT_EQ(folder().read(QStringLiteral("pl.data")), QByteArray());
    }

    std::unique_ptr<ProgramRun> organiser;
    std::unique_ptr<ProgramRun> viewer;
};

TEST_F(SessionEndTest, EachSignalOfTheSessionEndClosesBothProgramsAsTheirWindowsWould) {
    for (const int number : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(number);
        ASSERT_TRUE(startBoth(environment(), desktop()));
        ASSERT_EQ(::kill(pid_t(organiser->pid()), number), 0);
        ASSERT_EQ(::kill(pid_t(viewer->pid()), number), 0);
        expectBothClosed();
        EXPECT_EQ(organiser->exitCode(), 0);
        EXPECT_EQ(viewer->exitCode(), 0);
    }
}

// Nobody is left to answer a box: it is left as with its close box, and the close follows.
TEST_F(SessionEndTest, ABoxOpenWhileTheWindowIsMadeDoesNotHoldTheClose) {
    ASSERT_TRUE(folder().write(QStringLiteral("time.list"), appointment.bytes()));
    ASSERT_TRUE(folder().remove(QStringLiteral("time/template")));
    ProgramRun& run = startOrganiser();
    ASSERT_NE(waitForBox(run), 0u) << run.describe().toStdString();
    ASSERT_EQ(::kill(pid_t(run.pid()), SIGTERM), 0);
    ASSERT_TRUE(run.waitForExit(Polling::StepTimeout)) << run.describe().toStdString();
    EXPECT_EQ(folder().read(QStringLiteral("time.list")), appointment.withChecked(1).bytes());
    EXPECT_TRUE(folder().read(QStringLiteral("Zimpa.ini")).contains("[MainForm]"));
}

// The toolkit ends a program whose display went away; both still write what their close writes.
TEST_F(SessionEndTest, BothProgramsWriteTheirCloseWhenTheDisplayGoesAway) {
    QTemporaryDir sessionFolder;
    auto session = std::make_unique<XSession>(sessionFolder.path());
    ASSERT_TRUE(session->isReady()) << session->error().toStdString();
    QProcessEnvironment env = session->environment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), environment().value("XDG_RUNTIME_DIR"));
    ASSERT_TRUE(startBoth(env, session->desktop()));
    session.reset();
    expectBothClosed();
}

} // namespace
