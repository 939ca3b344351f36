#include "RegularFile.h"
#include "AtomicFile.h"
#include "ProfileFile.h"
#include "RunError.h"
#include "TempFolder.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>

namespace {

// Odd things where a file of ours should be: a named pipe would hold a reader for good, a device
// or a folder is no file to read or to replace. Each is refused at once and left as it was.
class RegularFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(::mkfifo(QFile::encodeName(folder.file(QStringLiteral("pipe"))), 0600), 0);
        ASSERT_TRUE(
            QFile::link(QStringLiteral("/dev/zero"), folder.file(QStringLiteral("device"))));
        folder.write(QStringLiteral("real"), "[MainForm]\r\nTop=5\r\n");
        ASSERT_TRUE(
            QFile::link(folder.file(QStringLiteral("real")), folder.file(QStringLiteral("link"))));
    }
    void TearDown() override { RegularFile::setReadFaultForTesting({}); }

    TempFolder folder;
};

TEST_F(RegularFileTest, OnlyRegularFilesAreReadAndAnythingElseIsRefusedAtOnce) {
    for (const char* name : {"pipe", "device"}) {
        const RegularFile::Read read = RegularFile::read(folder.file(QString::fromLatin1(name)));
        EXPECT_FALSE(read.ok()) << name;
        EXPECT_FALSE(read.opened) << name;
        EXPECT_EQ(read.error(name).text(), QStringLiteral("File access denied")) << name;
    }
    EXPECT_EQ(RegularFile::read(folder.path()).cause, IoCause::AccessDenied);
    EXPECT_TRUE(RegularFile::read(folder.file(QStringLiteral("none"))).missing());
    EXPECT_EQ(RegularFile::read(folder.file(QStringLiteral("link"))).bytes,
              QByteArray("[MainForm]\r\nTop=5\r\n"));
    EXPECT_EQ(RegularFile::read(folder.file(QStringLiteral("link")), 4).bytes, QByteArray("[Mai"));
}

TEST_F(RegularFileTest, AWriteReplacesRegularFilesOnlyAndFollowsALink) {
    for (const char* name : {"pipe", "device"}) {
        const QString path = folder.file(QString::fromLatin1(name));
        const AtomicFile::Result result = AtomicFile::write(path, "x");
        EXPECT_FALSE(result.ok) << name;
        EXPECT_EQ(RunError::io(path, result.error).text(), QStringLiteral("File access denied"));
    }
    EXPECT_FALSE(QFileInfo(folder.file(QStringLiteral("pipe"))).isFile());
    EXPECT_TRUE(QFileInfo(folder.file(QStringLiteral("device"))).isSymLink());

    ASSERT_TRUE(AtomicFile::write(folder.file(QStringLiteral("link")), "new").ok);
    EXPECT_TRUE(QFileInfo(folder.file(QStringLiteral("link"))).isSymLink());
    EXPECT_EQ(folder.read(QStringLiteral("real")), QByteArray("new"));
}

TEST_F(RegularFileTest, ASettingsWriteWhoseReadFailsKeepsTheFileWhole) {
    const QString ini = folder.file(QStringLiteral("real"));
    RegularFile::setReadFaultForTesting([&](const QString& path) { return path == ini ? EIO : 0; });
    EXPECT_THROW(ProfileFile::writeString(ini, QStringLiteral("MainForm"), QStringLiteral("Left"),
                                          QStringLiteral("7")),
                 RunError);
    RegularFile::setReadFaultForTesting({});
    EXPECT_EQ(folder.read(QStringLiteral("real")), QByteArray("[MainForm]\r\nTop=5\r\n"));

    const QString pipe = folder.file(QStringLiteral("pipe"));
    EXPECT_EQ(ProfileFile::readString(pipe, QStringLiteral("MainForm"), QStringLiteral("Top"),
                                      QStringLiteral("50")),
              QStringLiteral("50"));
    EXPECT_THROW(ProfileFile::writeString(pipe, QStringLiteral("MainForm"), QStringLiteral("Top"),
                                          QStringLiteral("7")),
                 RunError);
    EXPECT_FALSE(QFileInfo(pipe).isFile());
}

} // namespace
