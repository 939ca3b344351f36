#include "DesktopTest.h"
#include "Polling.h"
#include "ReminderRecordBytes.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>

namespace {

// The processes that run the program file, by their process ids.
QList<qint64> processesOf(const QString& program) {
    QList<qint64> found;
    const QString target = QFileInfo(program).canonicalFilePath();
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool number = false;
        const qint64 pid = entry.toLongLong(&number);
        if (number && QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget() == target)
            found.append(pid);
    }
    return found;
}

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

// Once the session has ended no start-up step opens another dialog or box: the second of two
// new-reminder dialogs, or the box of a missing template after the first, would wait for a user
// who has gone, and the session manager's kill would then lose everything the close writes.
TEST_F(SessionEndTest, NoStartUpStepOpensAnotherDialogOrBoxOnceTheSessionEnds) {
    for (const bool templateMissing : {false, true}) {
        SCOPED_TRACE(templateMissing ? "a missing template" : "two new-reminder dialogs");
        ASSERT_TRUE(folder().write(QStringLiteral("time.list"), appointment.bytes()));
        folder().remove(QStringLiteral("Zimpa.ini"));
        if (templateMissing) {
            ASSERT_TRUE(folder().remove(QStringLiteral("time/template")));
        }
        ProgramRun& run = startOrganiser(
            templateMissing ? QStringList{QStringLiteral("-N")}
                            : QStringList{QStringLiteral("-N"), QStringLiteral("-N")});
        ASSERT_NE(waitForWindow(run, QStringLiteral("^Zimpa V2\\.00 - Új Zimpa$")), 0u)
            << run.describe().toStdString();
        ASSERT_EQ(::kill(pid_t(run.pid()), SIGTERM), 0);
        ASSERT_TRUE(run.waitForExit(Polling::StepTimeout)) << run.describe().toStdString();
        EXPECT_EQ(run.exitCode(), 0);
        EXPECT_EQ(folder().read(QStringLiteral("time.list")), appointment.withChecked(1).bytes());
        EXPECT_TRUE(folder().read(QStringLiteral("Zimpa.ini")).contains("[MainForm]"));
    }
}

// A close that fails once the session has ended says so on standard error, where the session's
// log keeps it, and the program ends instead of waiting in a box for a user who has gone.
TEST_F(SessionEndTest, AFailedCloseIsReportedOnStandardErrorAndTheProgramEnds) {
    ASSERT_TRUE(folder().write(QStringLiteral("time.list"), appointment.bytes()));
    ProgramRun& run = startOrganiser();
    ASSERT_NE(waitForMainWindow(run), 0u) << run.describe().toStdString();
    // Every write fails: the organiser names its files by the folder it started from.
    ASSERT_TRUE(folder().moveAway());
    ASSERT_EQ(::kill(pid_t(run.pid()), SIGTERM), 0);
    const bool ended = run.waitForExit(Polling::StepTimeout);
    ASSERT_TRUE(folder().moveBack());
    ASSERT_TRUE(ended) << run.describe().toStdString();
    EXPECT_EQ(run.exitCode(), 1);
    EXPECT_TRUE(run.errors().contains("File not found.")) << run.describe().toStdString();
    EXPECT_EQ(folder().read(QStringLiteral("time.list")), appointment.bytes());
}

// The viewer's start-up scan, ended while its box is open, starts no further viewer: they would
// come up in a session that is going away.
TEST_F(SessionEndTest, TheStartUpScanStartsNoViewerOnceTheSessionEnds) {
    QByteArray due;
    for (const int id : {81, 82, 83, 84})
        due += ReminderRecordBytes(id, 1, "Ma").dates("2000.01.01", "2099.12.31").bytes();
    ASSERT_TRUE(folder().write(QStringLiteral("time.list"), due));
    // The first one's rows are missing, which its viewer reports in a box.
    for (const char* name : {"time/82", "time/83", "time/84"})
        ASSERT_TRUE(folder().write(QLatin1String(name), "Id\xF5|\xDCzenet\r\n9:00|Reggel\r\n"));
    const QString viewer = folder().file(QStringLiteral("Viewer"));
    ProgramRun scan(QStringLiteral("/bin/sh"),
                    {QStringLiteral("-c"), QStringLiteral("cd \"$0\" && exec \"$@\""),
                     folder().path(), viewer, QStringLiteral("-S")},
                    environment());
    ASSERT_NE(waitForBox(scan), 0u) << scan.describe().toStdString();
    ASSERT_EQ(::kill(pid_t(scan.pid()), SIGTERM), 0);
    ASSERT_TRUE(scan.waitForExit(Polling::StepTimeout)) << scan.describe().toStdString();
    EXPECT_EQ(scan.exitCode(), 0);
    // A viewer that was started had become one before the scan went on.
    const QList<qint64> started = processesOf(viewer);
    for (const qint64 pid : started)
        ::kill(pid_t(pid), SIGKILL);
    EXPECT_TRUE(started.isEmpty()) << started.size() << " viewers were started";
    EXPECT_EQ(folder().read(QStringLiteral("pl.data")), QByteArray());
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
