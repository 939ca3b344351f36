#include "RegularFile.h"
#include "AtomicFile.h"
#include "ProfileFile.h"
#include "TempFolder.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>

namespace {

// Odd things where a file of ours should be: a named pipe would hold a reader for good, a device
// is no file to read or to replace. Each is refused at once and left as it was.
class RegularFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(::mkfifo(QFile::encodeName(pipe), 0600), 0);
        ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), device));
        folder.write(QStringLiteral("real"), Settings);
        ASSERT_TRUE(QFile::link(folder.file(QStringLiteral("real")), link));
    }
    void TearDown() override { RegularFile::setReadFaultForTesting({}); }

    const QByteArray Settings = "[MainForm]\r\nTop=5\r\n";
    TempFolder folder;
    const QString pipe = folder.file(QStringLiteral("pipe"));
    const QString device = folder.file(QStringLiteral("device"));
    const QString link = folder.file(QStringLiteral("link"));
};

TEST_F(RegularFileTest, OnlyRegularFilesAreReadOrReplacedAndALinkIsFollowed) {
    for (const QString& path : {pipe, device, folder.path()}) {
        EXPECT_EQ(RegularFile::read(path).error().text(), QStringLiteral("File access denied"));
        EXPECT_EQ(AtomicFile::write(path, "x").error().text(),
                  QStringLiteral("File access denied"));
    }
    EXPECT_FALSE(QFileInfo(pipe).isFile());
    EXPECT_TRUE(QFileInfo(device).isSymLink());
    EXPECT_TRUE(RegularFile::read(folder.file(QStringLiteral("none"))).missing());

    EXPECT_EQ(RegularFile::read(link, 4).bytes, QByteArray("[Mai"));
    ASSERT_TRUE(AtomicFile::write(link, "new").ok);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(folder.read(QStringLiteral("real")), QByteArray("new"));
}

TEST_F(RegularFileTest, ASettingsWriteWhoseReadFailsKeepsTheFileWhole) {
    const QString ini = folder.file(QStringLiteral("real"));
    RegularFile::setReadFaultForTesting([&](const QString& path) { return path == ini ? EIO : 0; });
    const auto writeTop = [](const QString& path) {
        ProfileFile::writeString(path, QStringLiteral("MainForm"), QStringLiteral("Top"),
                                 QStringLiteral("7"));
    };
    EXPECT_THROW(writeTop(ini), RunError);
    EXPECT_EQ(folder.read(QStringLiteral("real")), Settings);
    // A window's keys written together read the file once, and that read fails them all alike.
    EXPECT_THROW(
        ProfileFile::writeStrings(
            ini, {{QStringLiteral("MainForm"), QStringLiteral("Top"), QStringLiteral("7")},
                  {QStringLiteral("ViewForm"), QStringLiteral("Left"), QStringLiteral("9")}}),
        RunError);
    EXPECT_EQ(folder.read(QStringLiteral("real")), Settings);

    EXPECT_EQ(ProfileFile::readString(pipe, QStringLiteral("MainForm"), QStringLiteral("Top"),
                                      QStringLiteral("50")),
              QStringLiteral("50"));
    EXPECT_THROW(writeTop(pipe), RunError);
    EXPECT_FALSE(QFileInfo(pipe).isFile());
}

} // namespace
