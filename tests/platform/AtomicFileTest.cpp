#include "AtomicFile.h"

#include "TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

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
    EXPECT_TRUE(result.error.isEmpty());
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

TEST_F(AtomicFileTest, MissingFolderFailsWithAReasonAndCreatesNothing) {
    const AtomicFile::Result result = AtomicFile::write(folder.file("memo/0001"), kRecord);

    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_TRUE(folderEntries().isEmpty());
}

TEST_F(AtomicFileTest, FailedWriteKeepsTheOldFileAndLeavesNoTemporary) {
    const QByteArray old("old contents\r\n\xF5\xFB", 16);
    folder.write("memo.list", old);
    const QString target = folder.file("memo.list");
    AtomicFile::setFaultForTesting([&](const QString& path) { return path == target; });

    const AtomicFile::Result result = AtomicFile::write(target, kRecord);

    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
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
