// The settings dialog's template editor: the three templates new reminders start from, one
// shown at a time, written when the user switches to another and on OK.
#include "SettingsForm.h"

#include "AtomicFile.h"
#include "CodePage.h"
#include "ContentFile.h"
#include "Dialogs.h"
#include "MainForm.h"
#include "ReminderGrid.h"
#include "RunError.h"
#include "SpinField.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include <algorithm>
#include <cerrno>

namespace {

constexpr std::uint8_t NoteKind = 2;

} // namespace

QString TfrmSettings::SplitField(const QString& line, int part) {
    return ContentFile::SplitField(line, part);
}

ReminderGrid* TfrmSettings::templateGrid(std::uint8_t kind) const {
    return kind == 0 ? sgTime_Template : sgTask_Template;
}

void TfrmSettings::templateFailed(const QString& path) {
    // The same words for reading and writing. While the dialog is still being made there is
    // nothing to close: it opens all the same.
    const QString text =
        QStringLiteral("Hiba: nem olvasható a(z) ") + path + QStringLiteral(" sablon!");
    if (Dialogs::error(text, this) == Dialogs::Answer::Ok && isVisible())
        reject();
}

void TfrmSettings::LoadTemplate(std::uint8_t kind) {
    if (kind > NoteKind)
        return;
    const QString path = ContentFile::templatePath(m_main.AppDir(), Kind(kind));
    if (kind == NoteKind) {
        const std::optional<QByteArray> bytes = ContentFile::readBytes(path);
        m_noteTemplateUnread = !bytes && QFileInfo::exists(path);
        // One that is there but cannot be read is said so, rather than shown as an empty box.
        if (m_noteTemplateUnread)
            throw RunError::io(IoCause::AccessDenied);
        if (!bytes)
            return;
        QString text = CodePage::toUnicode(*bytes);
        text.remove(QLatin1Char('\r'));
        mMemo_Template->setPlainText(text);
        return;
    }
    ReminderGrid* grid = templateGrid(kind);
    m_droppedRows.remove(grid);
    const std::optional<QStringList> lines = ContentFile::readLines(path);
    if (!lines) {
        templateFailed(path);
    } else {
        // Every line is a row, the first one too; an empty file leaves the rows as they were.
        for (int row = 0; row < lines->size(); ++row) {
            grid->setRowCount(row + 1);
            grid->setCell(row, 0, SplitField(lines->at(row), 0));
            grid->setCell(row, 1, SplitField(lines->at(row), 1));
        }
    }
    // The count follows into the grid, brought inside 2..256 as the field does.
    seRowNum->setValue(grid->rowCount());
}

void TfrmSettings::SaveTemplate(std::uint8_t kind) {
    if (kind > NoteKind)
        return;
    const QString path = ContentFile::templatePath(m_main.AppDir(), Kind(kind));
    if (kind == NoteKind) {
        QString text = mMemo_Template->toPlainText();
        // An empty box holds no line; a line break at the very end starts no line of its own.
        if (text.isEmpty()) {
            // A template that could not be read was never in the box: emptying it is no wish
            // to delete it.
            if (m_noteTemplateUnread)
                return;
            errno = 0;
            if (QFile::exists(path) && !QFile::remove(path))
                throw RunError::lastIo();
            return;
        }
        if (text.endsWith(QLatin1Char('\n')))
            text.chop(1);
        const AtomicFile::Result written =
            AtomicFile::write(path, ContentFile::plainNoteBytes(text));
        if (!written.ok)
            throw written.error();
        return;
    }
    ReminderGrid* grid = templateGrid(kind);
    grid->commitEdit();
    // Written whole or not at all: a failed write keeps the old template.
    if (!AtomicFile::write(path, ContentFile::tableBytes(grid->rows())).ok)
        templateFailed(path);
}

void TfrmSettings::cbTemplateTypeChange() {
    const int kind = cbTemplateType->currentIndex();
    if (kind < 0)
        return;
    // The template shown is written whether or not it was changed, and whatever the dialog's end.
    SaveTemplate(FTemplateType);
    showTemplateEditor(kind);
    FTemplateType = static_cast<std::uint8_t>(kind);
    LoadTemplate(FTemplateType);
}

void TfrmSettings::showTemplateEditor(int kind) {
    sgTime_Template->setVisible(kind == 0);
    sgTask_Template->setVisible(kind == 1);
    mMemo_Template->setVisible(kind == NoteKind);
    const bool table = kind == 0 || kind == 1;
    seRowNum->setVisible(table);
    lbRowNum->setVisible(table);
}

void TfrmSettings::seRowNumChange() {
    const int kind = cbTemplateType->currentIndex();
    if (kind != 0 && kind != 1)
        return;
    // A number typed on the way to another one (the "1" of "15") never makes the grid smaller
    // than a table or larger than one may be.
    setTemplateRows(templateGrid(static_cast<std::uint8_t>(kind)),
                    std::clamp(seRowNum->value(), 2, ReminderGrid::MaxRows));
}

void TfrmSettings::setTemplateRows(ReminderGrid* grid, int rows) {
    QHash<int, QStringList>& dropped = m_droppedRows[grid];
    const int before = grid->rowCount();
    for (int row = rows; row < before; ++row)
        dropped.insert(row, {grid->cell(row, 0), grid->cell(row, 1)});
    grid->setRowCount(rows);
    for (int row = before; row < rows; ++row) {
        const QStringList cells = dropped.take(row);
        for (int column = 0; column < cells.size(); ++column)
            grid->setCell(row, column, cells[column]);
    }
}
