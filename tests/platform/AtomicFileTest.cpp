#include "AtomicFile.h"

#include "TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
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

// Sets or clears the file's immutable flag; false where the file system keeps none.
bool setImmutable(const QString& path, bool on) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    int flags = 0;
    bool done = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    if (fd >= 0)
        ::close(fd);
    return done;
}

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

// A file that may not be replaced is refused in the run-time's words, never in the file class's,
// which Qt's translation words in Hungarian. Made immutable, which binds root too.
TEST_F(AtomicFileTest, AFileThatMayNotBeReplacedIsAccessDenied) {
    folder.write("time.list", kRecord);
    const QString path = folder.file("time.list");
    if (!setImmutable(path, true))
        GTEST_SKIP() << "the file system keeps no immutable flag";
    const AtomicFile::Result result = AtomicFile::write(path, "new");
    setImmutable(path, false);
    EXPECT_EQ(result.error().text(), QStringLiteral("File access denied"));
    EXPECT_EQ(folder.read("time.list"), kRecord);
}
