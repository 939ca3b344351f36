#include "DesktopTest.h"

#include "Polling.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <iostream>

const QString DesktopTest::MainWindowTitle = QStringLiteral("Zimpa V2.00 (Előzetes) - Rendszerező");
const QString DesktopTest::BoxCaption = QStringLiteral("Zimpa V2.00");

std::unique_ptr<QTemporaryDir> DesktopTest::s_sessionFolder;
std::unique_ptr<XSession> DesktopTest::s_session;

namespace {

// xdotool matches names by regular expression; these match the titles and nothing else.
const QString MainWindowPattern = QStringLiteral("^Zimpa V2\\.00 \\(");
const QString BoxPattern = QStringLiteral("^Zimpa V2\\.00$");

bool isPng(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(8) == QByteArray("\x89PNG\r\n\x1a\n");
}

} // namespace

QString DesktopTest::artefactFolder() {
    return QStringLiteral(DESKTOP_ARTEFACT_DIR);
}

void DesktopTest::SetUpTestSuite() {
    s_sessionFolder = std::make_unique<QTemporaryDir>();
    s_session = std::make_unique<XSession>(s_sessionFolder->path());
}

void DesktopTest::TearDownTestSuite() {
    s_session.reset();
    s_sessionFolder.reset();
}

void DesktopTest::SetUp() {
    ASSERT_TRUE(s_session->isReady()) << s_session->error().toStdString();
    const QString broken = s_session->failures();
    ASSERT_TRUE(broken.isEmpty()) << "the X session broke down:\n" << broken.toStdString();
    ASSERT_TRUE(m_scratch.isValid());

    const QString runtime = m_scratch.filePath(QStringLiteral("runtime"));
    const QString home = m_scratch.filePath(QStringLiteral("home"));
    ASSERT_TRUE(QDir().mkpath(runtime) && QDir().mkpath(home));
    // Qt takes a runtime folder only when it is the user's alone.
    ASSERT_TRUE(
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    m_environment = s_session->environment();
    m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    m_environment.insert(QStringLiteral("HOME"), home);
    m_desktop = std::make_unique<DesktopDriver>(m_environment);

    m_folder = std::make_unique<ProgramFolder>(m_scratch.filePath(QStringLiteral("Zimpa")));
    ASSERT_TRUE(m_folder->error().isEmpty()) << m_folder->error().toStdString();
}

void DesktopTest::TearDown() {
    if (HasFailure() && m_desktop) {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        const QString name =
            QStringLiteral("%1.%2-failure.png")
                .arg(QString::fromUtf8(test->test_suite_name()), QString::fromUtf8(test->name()));
        QDir().mkpath(artefactFolder());
        const QString picture = artefactFolder() + QLatin1Char('/') + name;
        if (m_desktop->grab(m_desktop->screenGeometry(), picture))
            std::cerr << "The screen at the failure: " << picture.toStdString() << '\n';
        for (const auto& run : m_runs)
            std::cerr << run->describe().toStdString() << '\n';
    }
    m_runs.clear();
    // A test that failed between moving the folder away and back must not leave it behind.
    if (m_folder && !QFileInfo::exists(m_folder->path()))
        m_folder->moveBack();
}

void DesktopTest::setEnvironmentVariable(const QString& name, const QString& value) {
    m_environment.insert(name, value);
}

ProgramRun& DesktopTest::startOrganiser(const QStringList& arguments) {
    m_runs.push_back(std::make_unique<ProgramRun>(folder().program(), arguments, m_environment));
    return *m_runs.back();
}

DesktopDriver::WindowId DesktopTest::waitForMainWindow(ProgramRun& run) {
    WindowId found = 0;
    Polling::waitUntil(
        [&] {
            if (!run.isRunning())
                return true;
            for (const WindowId window : desktop().findWindows(MainWindowPattern, run.pid())) {
                if (desktop().windowName(window) == MainWindowTitle && desktop().isViewable(window))
                    found = window;
            }
            return found != 0;
        },
        Polling::StartTimeout);
    return found;
}

DesktopDriver::WindowId DesktopTest::waitForBox(ProgramRun& run) {
    WindowId found = 0;
    Polling::waitUntil(
        [&] {
            if (!run.isRunning())
                return true;
            for (const WindowId window : desktop().findWindows(BoxPattern, run.pid())) {
                if (desktop().isViewable(window))
                    found = window;
            }
            return found != 0;
        },
        Polling::StartTimeout);
    return found;
}

DesktopDriver::WindowId DesktopTest::waitForWindow(ProgramRun& run, const QString& titlePattern) {
    WindowId found = 0;
    Polling::waitUntil(
        [&] {
            for (const WindowId window : desktop().findWindows(titlePattern, run.pid())) {
                if (desktop().isViewable(window))
                    found = window;
            }
            return found != 0 || !run.isRunning();
        },
        Polling::StartTimeout);
    return found;
}

bool DesktopTest::keys(const QString& names) const {
    return desktop().pressKeys(names.split(QLatin1Char(' ')));
}

QList<DesktopDriver::WindowId> DesktopTest::mainWindows() const {
    QList<WindowId> windows;
    for (const WindowId window : desktop().findWindows(MainWindowPattern)) {
        if (desktop().windowName(window) == MainWindowTitle)
            windows.append(window);
    }
    return windows;
}

bool DesktopTest::requestClose(WindowId window) const {
    return desktop().activate(window) && desktop().pressKeys({QStringLiteral("alt+F4")});
}

bool DesktopTest::confirmBox(WindowId box) const {
    return desktop().activate(box) && desktop().pressKeys({QStringLiteral("Return")});
}

bool DesktopTest::isAbove(WindowId upper, WindowId lower) const {
    const QList<WindowId> order = desktop().stackingOrder();
    return order.contains(upper) && order.indexOf(upper) > order.indexOf(lower);
}

bool DesktopTest::waitUntilGone(WindowId window) const {
    return Polling::waitUntil([&] { return !desktop().isViewable(window); }, Polling::StepTimeout);
}

bool DesktopTest::waitUntilActive(WindowId window) const {
    return Polling::waitUntil([&] { return desktop().activeWindow() == window; },
                              Polling::StepTimeout);
}

QString DesktopTest::saveScreenshot(WindowId window, const QString& name) const {
    return saveScreenshot(QList<WindowId>{window}, name);
}

QString DesktopTest::saveScreenshot(const QList<WindowId>& windows, const QString& name) const {
    QRect area;
    for (const WindowId window : windows)
        area |= desktop().frameGeometry(window);
    QDir().mkpath(artefactFolder());
    const QString picture = artefactFolder() + QLatin1Char('/') + name + QStringLiteral(".png");
    // Drawn beside and renamed over the old picture, so that nobody sees a half-written one.
    const QString drawing =
        picture + QStringLiteral(".%1.part").arg(QCoreApplication::applicationPid());
    if (!desktop().grab(area, drawing) || !isPng(drawing) ||
        ::rename(QFile::encodeName(drawing).constData(), QFile::encodeName(picture).constData()) !=
            0) {
        QFile::remove(drawing);
        return {};
    }
    return picture;
}
