#include "BackupFile.h"
#include "RecordBytes.h"
#include "RunError.h"
#include "TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

// The two headers as an export writes them, byte by byte.
const QByteArray Headers = "\x17Zimpa V2.00 BACKUP FILE" + QByteArray(9, '\0') +
                           "\x12VERSION: 2.0.0.100" + QByteArray(14, '\0');

class BackupFileTest : public ::testing::Test {
protected:
    // Puts a record into a slot, with padding that no backup may hold; returns the 97 bytes a
    // backup keeps of it.
    static QByteArray put(ReminderTable& table, int index, std::int64_t id) {
        QByteArray record = RecordBytes::reminder(id, char(id % 2), "R " + QByteArray::number(id));
        record.replace(97, 7, "padding");
        std::memcpy(table[index].data(), record.constData(), TReminderRec::Size);
        return record.left(97);
    }

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

TEST_F(BackupFileTest, TablesFollowTheHeadersUpToTheirFirstEmptySlotPassingOverIdentifierOne) {
    EXPECT_EQ(BackupFile::bytes(*tables), Headers); // 66 bytes

    put(tables->IdopontList, 0, 1);
    const QByteArray a1 = put(tables->IdopontList, 1, 1700000001);
    const QByteArray a2 = put(tables->IdopontList, 2, -5);
    put(tables->IdopontList, 4, 1700000004); // past the first empty slot
    const QByteArray n1 = put(tables->FeljegyzesList, 0, 1700000003);
    const QByteArray bytes = BackupFile::bytes(*tables);
    EXPECT_EQ(bytes.size(), 357);
    EXPECT_EQ(bytes, Headers + a1 + a2 + n1);

    // A full table gives all its records, and the next table follows.
    QByteArray tasks;
    for (int i = 0; i < ReminderTable::Capacity; ++i)
        tasks += put(tables->FeladatList, i, i + 2);
    EXPECT_EQ(BackupFile::bytes(*tables), Headers + a1 + a2 + tasks + n1);
}

TEST_F(BackupFileTest, HeaderIsReadAsShortStringsOfAtMost32Characters) {
    QByteArray bytes(80, 'Z');
    bytes.replace(0, 4, "\x03\xC1rv");
    bytes[33] = char(200);
    folder.write(QStringLiteral("idegen.txt"), bytes);
    const BackupFile::Header header =
        BackupFile::readHeader(folder.file(QStringLiteral("idegen.txt")));
    EXPECT_EQ(header.first, QStringLiteral("Árv"));
    EXPECT_EQ(header.second, QString(32, QLatin1Char('Z')));
}

TEST_F(BackupFileTest, FilesThatCannotBeUsedGiveTheRunTimesTexts) {
    QDir(folder.path()).mkdir(QStringLiteral("mappa.zbck"));
    const QString folderInPlace = folder.file(QStringLiteral("mappa.zbck"));
    EXPECT_EQ(errorOf([&] { BackupFile::readHeader(folder.file(QStringLiteral("nincs.zbck"))); }),
              QStringLiteral("File not found"));
    EXPECT_EQ(errorOf([&] { BackupFile::readHeader(folderInPlace); }),
              QStringLiteral("File access denied"));
    EXPECT_EQ(errorOf([&] { BackupFile::save(folderInPlace, *tables); }),
              QStringLiteral("File access denied"));
    EXPECT_EQ(
        errorOf([&] { BackupFile::save(folder.file(QStringLiteral("nincs/a.zbck")), *tables); }),
        QStringLiteral("File not found"));
}
