// The editor's files: a kind's template, the selected reminder's body, and the save.
#include "MainForm.h"

#include "ContentFile.h"
#include "Dialogs.h"
#include "NoteLoader.h"
#include "ReminderGrid.h"
#include "ReminderId.h"
#include "RichText.h"

#include "AtomicFile.h"
#include "RunError.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QScopedValueRollback>
#include <QTextEdit>
#include <QToolButton>

QString TfrmMain::SplitField(const QString& line, int part) {
    return ContentFile::SplitField(line, part);
}

void TfrmMain::requestClose() {
    // While the window is being made, the request runs the close handler and has no further
    // effect: the window opens all the same.
    if (m_creating) {
        bool canClose = true;
        FormCloseQuery(canClose);
        return;
    }
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void TfrmMain::LoadTemplate(std::uint8_t kind) {
    if (kind > static_cast<std::uint8_t>(Kind::Feljegyzes))
        return;
    const QString path = ContentFile::templatePath(m_appDir, Kind(kind));
    QScopedValueRollback filling(m_fillingEditor, true);
    if (Kind(kind) == Kind::Feljegyzes) {
        m_noteLoader->cancel();
        if (const std::optional<QByteArray> bytes = ContentFile::readBytes(path))
            RichText::load(*bytes, *mZimpa->document());
        return;
    }
    const std::optional<QStringList> lines = ContentFile::readLines(path);
    if (!lines) {
        if (Dialogs::error(QStringLiteral("Hiba: nem olvasható a(z) ") + path +
                               QStringLiteral(" sablon!"),
                           this) == Dialogs::Answer::Ok)
            requestClose();
        return;
    }
    const QString header = lines->isEmpty() ? QString() : lines->first();
    tZimpa->setRowCount(2);
    tZimpa->setCell(0, 0, SplitField(header, 0));
    tZimpa->setCell(0, 1, SplitField(header, 1));
    tZimpa->makeHeaderRow();
}

void TfrmMain::mEdit_SubMenu1_LoadClick() {
    DisableSave();
    const int page = PageControl->currentIndex();
    if (page < 0 || page > static_cast<int>(Kind::Feljegyzes))
        return;
    const Kind kind = Kind(page);
    QListWidget* list = checkList(kind);
    const int selected = GetSelected(list);
    if (selected < 0)
        return;
    const std::int64_t id = m_tables.reminders(kind)[selected].ID();
    const QString path = ContentFile::path(m_appDir, kind, id);
    if (!QFile::exists(path)) {
        Dialogs::information(QStringLiteral("Hiba:\r\nA ") + path +
                                 QStringLiteral(" fájl feldolgozása nem sikerült."),
                             this);
        return;
    }
    QScopedValueRollback filling(m_fillingEditor, true);
    // From here the editor is emptied: a body that could not be read is not the editor's to
    // save over, and neither is the one it held before.
    m_editorHolds.reset();
    m_noteLoader->cancel();
    if (kind == Kind::Feljegyzes ? loadNoteContent(path) : loadTableContent(path))
        m_editorHolds = EditorContent{kind, id};
    LoadedTitle = list->item(selected)->text();
}

bool TfrmMain::loadTableContent(const QString& path) {
    const RuleRefresh::BulkFill bulkFill(m_ruleRefresh);
    ClearGridRows(tZimpa);
    const std::optional<QStringList> lines = ContentFile::readLines(path);
    if (!lines) {
        Dialogs::error(QStringLiteral("Hiba: a ") + path +
                           QStringLiteral(" fájl megnyitása nem sikerült."),
                       this);
        return false;
    }
    for (int n = 0; n < lines->size(); ++n) {
        tZimpa->setRowCount(n + 1);
        tZimpa->setCell(n, 0, SplitField(lines->at(n), 0));
        tZimpa->setCell(n, 1, SplitField(lines->at(n), 1));
    }
    // A file of the header alone still gets one row to fill under it.
    if (lines->size() == 1)
        tZimpa->setRowCount(2);
    tZimpa->makeHeaderRow();
    return true;
}

bool TfrmMain::loadNoteContent(const QString& path) {
    mZimpa->clear();
    const std::optional<QByteArray> bytes = ContentFile::readBytes(path);
    if (!bytes)
        throw RunError::io(IoCause::AccessDenied);
    // A large note comes in pieces while the window goes on; the caret ends at its start.
    m_noteLoader->load(*bytes, path);
    return true;
}

bool TfrmMain::noteLoading() const {
    return m_noteLoader->isLoading();
}

// The editor holds none of that note, and a save must not write its emptiness over the file.
void TfrmMain::refuseNote(const QString& text) {
    m_editorHolds.reset();
    throw RunError(text);
}

void TfrmMain::mFile_SaveClick() {
    tZimpa->commitEdit();
    // The note is written whole, never the part of it that has come so far.
    m_noteLoader->finish();
    for (const Kind kind : {Kind::Idopont, Kind::Feladat, Kind::Feljegyzes})
        SaveList(static_cast<std::uint8_t>(kind));
    const int page = PageControl->currentIndex();
    // Only the reminder whose body the editor holds is written, never the one that happens to be
    // selected now; with none loaded, the lists are all there is to save.
    if (m_editorHolds && page >= 0 && page <= static_cast<int>(Kind::Feljegyzes))
        saveEditorTo(*m_editorHolds);
    DisableSave();
}

void TfrmMain::saveEditorTo(const EditorContent& target) {
    const QString path = ContentFile::path(m_appDir, target.kind, target.id);
    const QByteArray bytes = target.kind == Kind::Feljegyzes
                                 ? RichText::write(*mZimpa->document())
                                 : ContentFile::tableBytes(tZimpa->rows());
    if (!AtomicFile::write(path, bytes).ok)
        Dialogs::error(
            QStringLiteral("Hiba: a(z) ") + path + QStringLiteral(" fájlt nem lehet írni."), this);
}

void TfrmMain::EnableSave() {
    for (QAction* save : {mFile_Save, PopupMenu1_Save, PopupMenu2_Save, PopupMenu3_Save})
        save->setEnabled(true);
    ToolButton3->setEnabled(true);
}

void TfrmMain::DisableSave() {
    for (QAction* save : {mFile_Save, PopupMenu1_Save, PopupMenu2_Save, PopupMenu3_Save})
        save->setEnabled(false);
    ToolButton3->setEnabled(false);
}

void TfrmMain::ClearGridRows(ReminderGrid* grid) {
    grid->clearCells(1);
}
