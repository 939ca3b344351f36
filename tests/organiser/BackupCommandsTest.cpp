#include "MainWindowFixture.h"

#include "BackupFile.h"
#include "FileDialog.h"
#include "Guard.h"

#include <QAction>

#include <optional>

namespace {

// The backup commands run directly (their items stay disabled), with the file dialogs answered
// by the test.
class BackupCommandsTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        FileDialog::setResponderForTesting([this](const FileDialog::Request& request) {
            requests.append(request);
            return answer;
        });
    }
    void TearDown() override {
        FileDialog::setResponderForTesting({});
        MainWindowFixture::TearDown();
    }

    void exportBackup() {
        runGuarded([this] { window->mFile_Export_BackUpClick(); });
    }
    void importBackup() {
        runGuarded([this] { window->mFile_Import_BackUpClick(); });
    }

    // What the dialog was asked to show, in one line.
    QString asked(int request) const {
        const FileDialog::Request r = requests.value(request);
        const QString mode = r.mode == FileDialog::Mode::Save ? "Save|" : "Open|";
        return mode +
               QStringList{r.title, r.filterName, r.filterPattern, r.defaultSuffix}.join('|') +
               (r.confirmOverwrite ? "|asks" : "");
    }

    QList<FileDialog::Request> requests;
    std::optional<QString> answer;
};

} // namespace

TEST_F(BackupCommandsTest, ExportAsksForTheFileAndWritesTheTablesWholeOrNotAtAll) {
    // Identifier 1 keeps a reminder out of a backup: two appointments and a note go in.
    start(3, 0, 2);
    exportBackup(); // cancelled
    EXPECT_EQ(asked(0), QStringLiteral("Save|Zimpa V2.00 - Exportálás|Zimpa V2.00 biztonsági "
                                       "mentés|*.zbck|zbck|asks"));
    EXPECT_TRUE(QDir(folder.path()).entryList({QStringLiteral("*.zbck")}).isEmpty());

    answer = folder.file(QStringLiteral("mentes.zbck"));
    exportBackup();
    EXPECT_TRUE(boxes.isEmpty());
    // What a backup holds of the tables, byte by byte, BackupFileTest pins.
    const QByteArray bytes = folder.read(QStringLiteral("mentes.zbck"));
    EXPECT_EQ(bytes.size(), 66 + 3 * 97);
    EXPECT_EQ(bytes, BackupFile::bytes(*tables));

    // A failed export keeps the file it was to replace and says why.
    folder.write(QStringLiteral("mentes.zbck"), "old backup");
    failWritesOf(QStringLiteral("mentes.zbck"));
    exportBackup();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Error);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Disk full."));
    EXPECT_EQ(folder.read(QStringLiteral("mentes.zbck")), QByteArray("old backup"));
}

TEST_F(BackupCommandsTest, ImportShowsTheHeaderInAPlainBox) {
    start(1);
    importBackup(); // cancelled
    EXPECT_EQ(asked(0), QStringLiteral(
                            "Open|Zimpa V2.00 - Importálás|Zimpa V2.00 biztonsági mentés|*.zbck|"));
    EXPECT_TRUE(boxes.isEmpty());

    answer = folder.file(QStringLiteral("mentes.zbck"));
    exportBackup();
    importBackup();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Plain);
    EXPECT_EQ(boxes[0].caption, QStringLiteral("Zimpa V2.00"));
    EXPECT_EQ(boxes[0].text, QStringLiteral("Zimpa V2.00 BACKUP FILE\rVERSION: 2.0.0.100"));

    // One byte short of the headers: no header, the run-time's error.
    boxes.clear();
    folder.write(QStringLiteral("rovid.zbck"), folder.read(QStringLiteral("mentes.zbck")).left(65));
    answer = folder.file(QStringLiteral("rovid.zbck"));
    importBackup();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Error);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Read beyond end of file."));
}
