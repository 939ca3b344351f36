#include "DesktopTest.h"
#include "Polling.h"
#include "ReminderRecordBytes.h"

#include <QTemporaryDir>

#include <csignal>

namespace {

const QString ViewerTitle = QStringLiteral("Zimpa V2.00 (Előzetes)");

// What logging out or shutting down does to the programs: a signal, or the display going away.
// Each must end them as their close does. The proof is what only the close writes: the lists
// (a ticked byte of 2 goes back as 1), the window's settings and the register.
class SessionEndTest : public DesktopTest {
protected:
    const ReminderRecordBytes appointment{61, 2, "Fogorvos"};

    void SetUp() override {
        DesktopTest::SetUp();
        ASSERT_TRUE(folder().write(QStringLiteral("time.list"), appointment.bytes()));
        ASSERT_FALSE(QFile::exists(folder().file(QStringLiteral("Zimpa.ini"))));
    }

    void expectOrganiserClosed() const {
        EXPECT_EQ(folder().read(QStringLiteral("time.list")), appointment.withChecked(1).bytes());
        EXPECT_TRUE(folder().read(QStringLiteral("Zimpa.ini")).contains("[MainForm]\r\nFontName="));
    }

    ProgramRun& startViewer(const QProcessEnvironment& env) {
        const QStringList shell{QStringLiteral("-c"), QStringLiteral("cd \"$0\" && exec \"$@\""),
                                folder().path(),      folder().file(QStringLiteral("Viewer")),
                                QStringLiteral("-D"), QStringLiteral("time/61")};
        m_viewers.push_back(std::make_unique<ProgramRun>(QStringLiteral("/bin/sh"), shell, env));
        return *m_viewers.back();
    }

    void TearDown() override {
        m_viewers.clear();
        DesktopTest::TearDown();
    }

    std::vector<std::unique_ptr<ProgramRun>> m_viewers;
};

TEST_F(SessionEndTest, EachSignalOfTheSessionEndClosesTheOrganiserAsItsWindowWould) {
    for (const int number : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(number);
        ASSERT_TRUE(folder().write(QStringLiteral("time.list"), appointment.bytes()));
        folder().remove(QStringLiteral("Zimpa.ini"));
        ProgramRun& organiser = startOrganiser();
        ASSERT_NE(waitForMainWindow(organiser), 0u) << organiser.describe().toStdString();

        ASSERT_EQ(::kill(pid_t(organiser.pid()), number), 0);
        ASSERT_TRUE(organiser.waitForExit(Polling::StepTimeout))
            << organiser.describe().toStdString();
        EXPECT_EQ(organiser.exitCode(), 0) << organiser.describe().toStdString();
        expectOrganiserClosed();
    }
}

TEST_F(SessionEndTest, TheViewerLeavesTheRegisterAndWritesItsSettings) {
    ASSERT_TRUE(folder().write(QStringLiteral("time/61"), "Id\xF5|\xDCzenet\r\n9:00|Reggel\r\n"));
    ProgramRun& viewer = startViewer(environment());
    ASSERT_TRUE(Polling::waitUntil(
        [&] { return !desktop().findWindows(QStringLiteral("^Zimpa V2"), viewer.pid()).isEmpty(); },
        Polling::StartTimeout))
        << viewer.describe().toStdString();
    ASSERT_EQ(folder().read(QStringLiteral("pl.data")).size(), 4);

    ASSERT_EQ(::kill(pid_t(viewer.pid()), SIGTERM), 0);
    ASSERT_TRUE(viewer.waitForExit(Polling::StepTimeout)) << viewer.describe().toStdString();
    EXPECT_EQ(viewer.exitCode(), 0) << viewer.describe().toStdString();
    EXPECT_EQ(folder().read(QStringLiteral("pl.data")), QByteArray());
    EXPECT_TRUE(folder().read(QStringLiteral("Zimpa.ini")).contains("[ViewForm]\r\nFontName="));
}

// The toolkit ends a program whose display went away; both still write what their close writes.
TEST_F(SessionEndTest, BothProgramsWriteTheirCloseWhenTheDisplayGoesAway) {
    QTemporaryDir sessionFolder;
    ASSERT_TRUE(sessionFolder.isValid());
    auto session = std::make_unique<XSession>(sessionFolder.path());
    ASSERT_TRUE(session->isReady()) << session->error().toStdString();
    QProcessEnvironment env = session->environment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), environment().value("XDG_RUNTIME_DIR"));
    ASSERT_TRUE(folder().write(QStringLiteral("time/61"), "Id\xF5|\xDCzenet\r\n"));

    ProgramRun organiser(folder().program(), {}, env);
    ProgramRun& viewer = startViewer(env);
    const DesktopDriver driver = session->desktop();
    ASSERT_TRUE(Polling::waitUntil(
        [&] {
            return driver.findWindows(QStringLiteral("^Zimpa V2")).size() == 2 &&
                   folder().read(QStringLiteral("pl.data")).size() == 4;
        },
        Polling::StartTimeout))
        << organiser.describe().toStdString() << viewer.describe().toStdString();

    session.reset();
    ASSERT_TRUE(organiser.waitForExit(Polling::StepTimeout)) << organiser.describe().toStdString();
    ASSERT_TRUE(viewer.waitForExit(Polling::StepTimeout)) << viewer.describe().toStdString();
    expectOrganiserClosed();
    EXPECT_EQ(folder().read(QStringLiteral("pl.data")), QByteArray());
    EXPECT_TRUE(folder().read(QStringLiteral("Zimpa.ini")).contains("[ViewForm]\r\nFontName="));
}

} // namespace
