#include "AtomicFile.h"

#include "ImmutableFile.h"
#include "RunError.h"
#include "TempFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class AtomicFileTest : public ::testing::Test {
protected:
    void TearDown() override { AtomicFile::setFaultForTesting({}); }

    // Everything in the folder, hidden files too, so a left-over temporary shows.
    QStringList folderEntries() const {
        return QDir(folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Name);
    }

    TempFolder folder;
};

// NULs, high bytes and line ends that a text mode would translate.
const QByteArray kRecord("\x00\x05\xE1rv\xEDz\r\n\xFF\x1A\n", 12);

} // namespace

TEST_F(AtomicFileTest, WritesExactBytesToANewFile) {
    const AtomicFile::Result result = AtomicFile::write(folder.file("time.list"), kRecord);

    EXPECT_TRUE(result.ok);
    EXPECT_EQ(folder.read("time.list"), kRecord);
    EXPECT_EQ(folderEntries(), QStringList{"time.list"});
}

TEST_F(AtomicFileTest, ReplacesAnExistingFileWhole) {
    folder.write("task.list", QByteArray(4096, 'x'));

    ASSERT_TRUE(AtomicFile::write(folder.file("task.list"), kRecord).ok);
    EXPECT_EQ(folder.read("task.list"), kRecord);

    ASSERT_TRUE(AtomicFile::write(folder.file("task.list"), QByteArray()).ok);
    EXPECT_TRUE(folder.exists("task.list"));
    EXPECT_EQ(folder.read("task.list"), QByteArray());
    EXPECT_EQ(folderEntries(), QStringList{"task.list"});
}

TEST_F(AtomicFileTest, MissingFolderFailsAsNotFoundAndCreatesNothing) {
    const AtomicFile::Result result = AtomicFile::write(folder.file("memo/0001"), kRecord);

    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error().text(), QStringLiteral("File not found"));
    EXPECT_TRUE(folderEntries().isEmpty());
}

TEST_F(AtomicFileTest, FailedWriteKeepsTheOldFileAndLeavesNoTemporary) {
    const QByteArray old("old contents\r\n\xF5\xFB", 16);
    folder.write("memo.list", old);
    const QString target = folder.file("memo.list");
    AtomicFile::setFaultForTesting([&](const QString& path) { return path == target; });

    const AtomicFile::Result result = AtomicFile::write(target, kRecord);

    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error().text(), QStringLiteral("Disk full"));
    EXPECT_EQ(folder.read("memo.list"), old);
    EXPECT_EQ(folderEntries(), QStringList{"memo.list"});
}

TEST_F(AtomicFileTest, FaultHitsOnlyTheFilesItAccepts) {
    const QString target = folder.file("unnep.data");
    AtomicFile::setFaultForTesting([&](const QString& path) { return path == target; });

    EXPECT_TRUE(AtomicFile::write(folder.file("nevnap.data"), kRecord).ok);
    EXPECT_FALSE(AtomicFile::write(target, kRecord).ok);
    EXPECT_EQ(folderEntries(), QStringList{"nevnap.data"});
}

// A file that may not be replaced, refused in the run-time's words whatever language the toolkit
// speaks: never Qt's (translated) reason. Immutable binds root too; a read-only mode only others.
TEST_F(AtomicFileTest, AFileThatMayNotBeReplacedIsRefusedInTheRunTimesWords) {
    QTranslator hungarian;
    ASSERT_TRUE(hungarian.load(QStringLiteral("qtbase_hu"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    QCoreApplication::installTranslator(&hungarian);
    folder.write("time.list", kRecord);
    const QString path = folder.file("time.list");
    const ImmutableFile immutable(path);
    if (!immutable.applied()) {
        if (::geteuid() == 0)
            GTEST_SKIP() << "the file system keeps no immutable flag, and root writes any file";
        ASSERT_EQ(::chmod(QFile::encodeName(path), 0444), 0);
    }

    const AtomicFile::Result result = AtomicFile::write(path, "new");
    QCoreApplication::removeTranslator(&hungarian);

    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error().text(), QStringLiteral("File access denied"));
    EXPECT_EQ(folder.read("time.list"), kRecord);
}
