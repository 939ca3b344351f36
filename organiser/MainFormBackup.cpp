// The backup file: the export writes the three reminder tables into it, the import shows the
// header of a chosen file. Neither changes the tables.
#include "MainForm.h"

#include "BackupFile.h"
#include "Dialogs.h"
#include "FileDialog.h"

namespace {

FileDialog::Request backupDialog(FileDialog::Mode mode) {
    FileDialog::Request request;
    request.mode = mode;
    request.filterName = QStringLiteral("Zimpa V2.00 biztonsági mentés");
    request.filterPattern = QStringLiteral("*.zbck");
    if (mode == FileDialog::Mode::Save) {
        request.title = QStringLiteral("Zimpa V2.00 - Exportálás");
        request.defaultSuffix = QStringLiteral("zbck");
        request.confirmOverwrite = true;
    } else {
        request.title = QStringLiteral("Zimpa V2.00 - Importálás");
    }
    return request;
}

} // namespace

void TfrmMain::mFile_Export_BackUpClick() {
    const std::optional<QString> path = FileDialog::run(backupDialog(FileDialog::Mode::Save), this);
    if (path)
        BackupFile::save(*path, m_tables);
}

void TfrmMain::mFile_Import_BackUpClick() {
    const std::optional<QString> path = FileDialog::run(backupDialog(FileDialog::Mode::Open), this);
    if (!path)
        return;
    const BackupFile::Header header = BackupFile::readHeader(*path);
    Dialogs::plain(header.first + QLatin1Char('\r') + header.second, this);
}
