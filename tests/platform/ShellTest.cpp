#include "Shell.h"

#include "TempFolder.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Result = Shell::StartResult;

const QString kSh = QStringLiteral("/bin/sh");

// The started program writes its file under a temporary name and renames it, so a file that is
// there is whole.
QByteArray waitForFile(const QString& path) {
    const QDeadlineTimer deadline(10000);
    while (!QFile::exists(path) && !deadline.hasExpired())
        QThread::msleep(10);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ShellTest : public ::testing::Test {
protected:
    void TearDown() override {
        Shell::setOpenerForTesting({});
        QDir::setCurrent(startFolder);
    }

    QString makeFile(const QString& name, const QByteArray& content,
                     QFile::Permissions permissions) const {
        folder.write(name, content);
        QFile::setPermissions(folder.file(name), permissions);
        return folder.file(name);
    }

    // A shell script that writes what it was given, after the given working folder, to "out".
    QStringList reportingScript(const QString& out) const {
        return {QStringLiteral("-c"),
                QStringLiteral("printf '%s\\n' \"$PWD\" \"$#\" \"$@\" > '%1.part' && "
                               "mv '%1.part' '%1'")
                    .arg(out),
                QStringLiteral("sh")};
    }

    TempFolder folder;
    TempFolder work;
    const QString startFolder = QDir::currentPath();
    const QFile::Permissions kExecutable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    const QFile::Permissions kPlain = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther;
};

} // namespace

TEST_F(ShellTest, StartsTheProgramInTheWorkingFolderWithItsArgumentsUntouched) {
    const QString out = folder.file(QStringLiteral("out"));
    QStringList arguments = reportingScript(out);
    arguments << QStringLiteral("-D") << QStringLiteral("time\\1700000000")
              << QStringLiteral("two words; $HOME 'quoted' \"x\"") << QString() << "árvíztűrő";

    const Result result = Shell::startProgram(kSh, arguments, work.path());
    EXPECT_EQ(result, Result::Started);
    EXPECT_GT(static_cast<int>(result), 32); // what callers written for the numbers test
    EXPECT_TRUE(Shell::started(result));

    const QByteArray expected = QDir(work.path()).canonicalPath().toUtf8() + "\n5\n-D\n" +
                                "time\\1700000000\ntwo words; $HOME 'quoted' \"x\"\n\n" +
                                QStringLiteral("árvíztűrő\n").toUtf8();
    EXPECT_EQ(waitForFile(out), expected);
}

TEST_F(ShellTest, WithoutAWorkingFolderTheProgramKeepsTheCallers) {
    ASSERT_TRUE(QDir::setCurrent(work.path()));
    const QString out = folder.file(QStringLiteral("out"));
    EXPECT_EQ(Shell::startProgram(kSh, reportingScript(out)), Result::Started);
    EXPECT_TRUE(waitForFile(out).startsWith(QDir(work.path()).canonicalPath().toUtf8() + "\n0\n"));
}

TEST_F(ShellTest, ARelativeProgramIsTakenFromTheCallersFolderNotTheWorkingFolder) {
    makeFile(QStringLiteral("Viewer"),
             "#!/bin/sh\necho started > \"$1.part\" && mv \"$1.part\" \"$1\"\n", kExecutable);
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    const QString out = folder.file(QStringLiteral("out"));
    EXPECT_EQ(Shell::startProgram(QStringLiteral("./Viewer"), {out}, work.path()), Result::Started);
    EXPECT_EQ(waitForFile(out), "started\n");
}

TEST_F(ShellTest, TheStartedProgramIsNoChildOfTheCaller) {
    const QString out = folder.file(QStringLiteral("out"));
    const QStringList arguments = {
        QStringLiteral("-c"),
        QStringLiteral("echo $PPID > '%1.part' && mv '%1.part' '%1'").arg(out)};
    ASSERT_EQ(Shell::startProgram(kSh, arguments), Result::Started);

    // Nothing is left for the caller to reap, now or when the program ends.
    errno = 0;
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
    const QByteArray parent = waitForFile(out).trimmed();
    ASSERT_FALSE(parent.isEmpty());
    EXPECT_NE(parent.toLongLong(), static_cast<long long>(::getpid()));
}

TEST_F(ShellTest, AMissingProgramOrFolderIsToldApart) {
    EXPECT_EQ(Shell::startProgram(folder.file(QStringLiteral("Viewer")), {}), Result::FileNotFound);
    EXPECT_EQ(Shell::startProgram(folder.file(QStringLiteral("gone/Viewer")), {}),
              Result::PathNotFound);
    EXPECT_EQ(Shell::startProgram(QString(), {}), Result::FileNotFound);

    // A file where a folder of the path should be.
    makeFile(QStringLiteral("plain"), "x", kPlain);
    EXPECT_EQ(Shell::startProgram(folder.file(QStringLiteral("plain/Viewer")), {}),
              Result::PathNotFound);
}

TEST_F(ShellTest, AMissingWorkingFolderIsAMissingPath) {
    EXPECT_EQ(Shell::startProgram(kSh, {QStringLiteral("-c"), QStringLiteral("true")},
                                  folder.file(QStringLiteral("gone"))),
              Result::PathNotFound);
}

// Even root may run only a file that has an execute bit, so this holds in CI too.
TEST_F(ShellTest, AFileWithoutExecutePermissionIsAccessDenied) {
    const QString program = makeFile(QStringLiteral("Viewer"), "#!/bin/sh\ntrue\n", kPlain);
    EXPECT_EQ(Shell::startProgram(program, {}), Result::AccessDenied);
}

TEST_F(ShellTest, WhatCannotRunIsABadFile) {
    // Neither a known binary format nor a script.
    const QString garbage = makeFile(QStringLiteral("garbage"),
                                     QByteArray("\x01\x02\x03\x04 not a program"), kExecutable);
    EXPECT_EQ(Shell::startProgram(garbage, {}), Result::BadFormat);

    // A script whose interpreter is missing: the file itself is there.
    const QString script =
        makeFile(QStringLiteral("script"), "#!/nonexistent/interpreter\n", kExecutable);
    EXPECT_EQ(Shell::startProgram(script, {}), Result::BadFormat);

    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Viewer")));
    EXPECT_EQ(Shell::startProgram(folder.file(QStringLiteral("Viewer")), {}), Result::BadFormat);
}

TEST_F(ShellTest, ArgumentsTooLongForTheSystemAreOutOfMemory) {
    const QString huge(300 * 1024, QLatin1Char('x'));
    EXPECT_EQ(Shell::startProgram(kSh, {QStringLiteral("-c"), QStringLiteral("true"), huge}),
              Result::OutOfMemory);
}

TEST_F(ShellTest, OpeningGoesToTheTestOpenerWhenOneIsSet) {
    QStringList texts;
    Shell::setOpenerForTesting([&texts](const QString& text) { texts << text; });
    const QString address = QStringLiteral("/upgrade.php?program=Zimpa&version=2.0.0.100");
    EXPECT_TRUE(Shell::open(address));
    EXPECT_EQ(texts, QStringList{address});
}

TEST_F(ShellTest, OpeningHandsTheExactTextToTheDesktopOpenerAsOneArgument) {
    const QString out = folder.file(QStringLiteral("opened"));
    makeFile(QStringLiteral("xdg-open"),
             QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$1\" > '%1.part' && "
                            "/bin/mv '%1.part' '%1'\n")
                 .arg(out)
                 .toUtf8(),
             kExecutable);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(folder.path()));

    const QString text = QStringLiteral("http://example.org/a b?x=1&y=%20 'q' \"z\"");
    const bool opened = Shell::open(text);
    qputenv("PATH", QFile::encodeName(work.path())); // no opener at all there
    const bool openedWithoutOpener = Shell::open(text);
    qputenv("PATH", path);

    EXPECT_TRUE(opened);
    EXPECT_EQ(waitForFile(out), "1\n" + text.toUtf8() + "\n");
    EXPECT_FALSE(openedWithoutOpener);
}
