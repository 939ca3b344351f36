#include "BackupFile.h"
#include "AtomicFile.h"
#include "RecordBytes.h"
#include "RunError.h"
#include "TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

// The two headers as an export writes them, byte by byte.
QByteArray headers() {
    return "\x17Zimpa V2.00 BACKUP FILE" + QByteArray(9, '\0') + "\x12VERSION: 2.0.0.100" +
           QByteArray(14, '\0');
}

class BackupFileTest : public ::testing::Test {
protected:
    void TearDown() override { AtomicFile::setFaultForTesting({}); }

    // Puts a record's 104 bytes into a slot; returns the 97 a backup keeps of them.
    static QByteArray put(ReminderTable& table, int index, QByteArray record) {
        record.replace(97, 7, "padding"); // never part of a backup
        std::memcpy(table[index].data(), record.constData(), TReminderRec::Size);
        return record.left(97);
    }

    // The error text a call raises; empty when it raises none.
    template <typename Call> static QString errorOf(Call call) {
        try {
            call();
        } catch (const RunError& error) {
            return error.text();
        }
        return {};
    }

    TempFolder folder;
    std::unique_ptr<Tables> tables = std::make_unique<Tables>();
};

} // namespace

TEST_F(BackupFileTest, EmptyTablesGiveTheTwoHeadersAlone) {
    EXPECT_EQ(BackupFile::bytes(*tables), headers()); // 66 bytes
}

TEST_F(BackupFileTest, KindsFollowEachOtherWithoutAMark) {
    const QByteArray a1 =
        put(tables->IdopontList, 0, RecordBytes::reminder(1700000001, 1, "Orvos"));
    const QByteArray a2 = put(tables->IdopontList, 1,
                              RecordBytes::reminder(1700000002, 0, "Fodr\xE1sz", "2024.05.01"));
    const QByteArray n1 =
        put(tables->FeljegyzesList, 0, RecordBytes::reminder(1700000003, 0, "J\xF3"));
    // Past the first empty slot nothing is written.
    put(tables->IdopontList, 3, RecordBytes::reminder(1700000004, 0, "after the gap"));

    const QByteArray bytes = BackupFile::bytes(*tables);
    EXPECT_EQ(bytes.size(), 357);
    EXPECT_EQ(bytes, headers() + a1 + a2 + n1);
}

TEST_F(BackupFileTest, IdentifierOneIsPassedOverAndTheWalkGoesOn) {
    const QByteArray t0 = put(tables->FeladatList, 0, RecordBytes::reminder(5, 0, "a"));
    put(tables->FeladatList, 1, RecordBytes::reminder(1, 0, "one"));
    const QByteArray t2 = put(tables->FeladatList, 2, RecordBytes::reminder(-7, 1, "c"));
    EXPECT_EQ(BackupFile::bytes(*tables), headers() + t0 + t2);
}

TEST_F(BackupFileTest, FullTableGivesAllItsRecordsAndTheNextTableFollows) {
    QByteArray expected = headers();
    for (int i = 0; i < ReminderTable::Capacity; ++i)
        expected += put(tables->IdopontList, i, RecordBytes::reminder(i + 2, 0, "x"));
    expected += put(tables->FeladatList, 0, RecordBytes::reminder(99, 0, "task"));
    const QByteArray bytes = BackupFile::bytes(*tables);
    EXPECT_EQ(bytes.size(), 66 + 97 * 1026);
    EXPECT_EQ(bytes, expected);
}

TEST_F(BackupFileTest, SaveReplacesTheFileWholeOrNotAtAll) {
    const QString path = folder.file(QStringLiteral("mentes.zbck"));
    folder.write(QStringLiteral("mentes.zbck"), QByteArray(5000, 'o'));
    const QByteArray record = put(tables->IdopontList, 0, RecordBytes::reminder(42, 0, "t"));
    BackupFile::save(path, *tables);
    EXPECT_EQ(folder.read(QStringLiteral("mentes.zbck")), headers() + record);

    AtomicFile::setFaultForTesting([](const QString&) { return true; });
    tables->IdopontList[0].setID(0);
    EXPECT_EQ(errorOf([&] { BackupFile::save(path, *tables); }), QStringLiteral("Disk full"));
    EXPECT_EQ(folder.read(QStringLiteral("mentes.zbck")), headers() + record);
    AtomicFile::setFaultForTesting({});
    EXPECT_EQ(
        errorOf([&] { BackupFile::save(folder.file(QStringLiteral("no/such.zbck")), *tables); }),
        QStringLiteral("File not found"));
}

TEST_F(BackupFileTest, HeaderOfAnExportReadsBack) {
    const QString path = folder.file(QStringLiteral("a.zbck"));
    BackupFile::save(path, *tables);
    const BackupFile::Header header = BackupFile::readHeader(path);
    EXPECT_EQ(header.first, QStringLiteral("Zimpa V2.00 BACKUP FILE"));
    EXPECT_EQ(header.second, QStringLiteral("VERSION: 2.0.0.100"));
}

TEST_F(BackupFileTest, ForeignFileShowsItsShortStringsAtMost32Characters) {
    QByteArray bytes(80, 'Z');
    bytes[0] = char(3);
    bytes.replace(1, 3, "\xC1rv");
    bytes[33] = char(200); // more than the field holds
    folder.write(QStringLiteral("idegen.txt"), bytes);
    const BackupFile::Header header =
        BackupFile::readHeader(folder.file(QStringLiteral("idegen.txt")));
    EXPECT_EQ(header.first, QStringLiteral("Árv"));
    EXPECT_EQ(header.second, QString(32, QLatin1Char('Z')));
}

TEST_F(BackupFileTest, UnreadableFilesRaiseTheRunTimesTexts) {
    folder.write(QStringLiteral("short.zbck"), headers().left(65));
    EXPECT_EQ(errorOf([&] { BackupFile::readHeader(folder.file(QStringLiteral("short.zbck"))); }),
              QStringLiteral("Read beyond end of file"));
    EXPECT_EQ(errorOf([&] { BackupFile::readHeader(folder.file(QStringLiteral("none.zbck"))); }),
              QStringLiteral("File not found"));
    QDir(folder.path()).mkdir(QStringLiteral("dir.zbck"));
    EXPECT_EQ(errorOf([&] { BackupFile::readHeader(folder.file(QStringLiteral("dir.zbck"))); }),
              QStringLiteral("File access denied"));
}
