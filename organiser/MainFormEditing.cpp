// Editing in the main window: deleting reminders, the grid's rows and the row-edit dialog, the
// note editor's clipboard, and the edits that make the save commands available.
#include "MainForm.h"

#include "ContentFile.h"
#include "Dialogs.h"
#include "EditForm.h"
#include "Guard.h"
#include "NoteLoader.h"
#include "ReminderGrid.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QScopedValueRollback>
#include <QTextEdit>

void TfrmMain::createEditDialog() {
    tZimpa->makeHeaderRow();
    // A double-click opens the row-edit dialog, never the cell's own editor.
    tZimpa->startEditorsOnTyping(QAbstractItemView::EditKeyPressed |
                                 QAbstractItemView::AnyKeyPressed |
                                 QAbstractItemView::SelectedClicked);
    const auto edited = [this] {
        runGuarded([this] { tZimpaSetEditText(); });
    };
    connect(tZimpa, &ReminderGrid::textEdited, this, edited);
    connect(tZimpa, &QTableWidget::itemChanged, this, edited);
    connect(tZimpa, &QTableWidget::cellDoubleClicked, this,
            [this] { runGuarded([this] { tZimpaDblClick(); }); });
    const auto moved = [this] {
        runGuarded([this] { mZimpaSelectionChange(); });
    };
    connect(mZimpa, &QTextEdit::cursorPositionChanged, this, moved);
    connect(mZimpa, &QTextEdit::selectionChanged, this, moved);
    frmEdit = new TfrmEdit(this, tZimpa, [this] { EnableSave(); });
}

void TfrmMain::tZimpaSetEditText() {
    if (!m_fillingEditor)
        EnableSave();
}

// A note coming in moves the caret as it grows: that is no edit either.
void TfrmMain::mZimpaSelectionChange() {
    if (!m_fillingEditor && !m_noteLoader->isLoading())
        EnableSave();
}

void TfrmMain::mEdit_SubMenu1_DeleteClick() {
    const int page = PageControl->currentIndex();
    if (page < 0 || page > static_cast<int>(Kind::Feljegyzes))
        return;
    const int selected = GetSelected(checkList(Kind(page)));
    if (selected < 0)
        return;
    switch (Kind(page)) {
    case Kind::Idopont:
        DeleteIdopont(selected);
        break;
    case Kind::Feladat:
        DeleteFeladat(selected);
        break;
    default:
        DeleteFeljegyzes(selected);
        break;
    }
}

void TfrmMain::DeleteIdopont(int index) {
    deleteReminder(Kind::Idopont, index);
}

void TfrmMain::DeleteFeladat(int index) {
    deleteReminder(Kind::Feladat, index);
}

void TfrmMain::DeleteFeljegyzes(int index) {
    deleteReminder(Kind::Feljegyzes, index);
}

void TfrmMain::deleteReminder(Kind kind, int index) {
    QListWidget* list = checkList(kind);
    if (index < 0 || index >= list->count() || index >= ReminderTable::Capacity)
        return;
    ReminderTable& table = m_tables.reminders(kind);
    const std::int64_t id = table[index].ID();
    // Whether the body was there to delete changes nothing.
    QFile::remove(ContentFile::path(m_appDir, kind, id));
    for (int i = index; i < ReminderTable::Capacity - 1; ++i)
        table[i] = table[i + 1];
    table[ReminderTable::Capacity - 1] = TReminderRec();
    delete list->takeItem(index);
    // The line after the deleted one must not become the target of the next Del.
    list->clearSelection();
    // Only the editor that holds this very reminder loses its body.
    if (m_editorHolds && m_editorHolds->kind == kind && m_editorHolds->id == id) {
        m_editorHolds.reset();
        QScopedValueRollback filling(m_fillingEditor, true);
        if (kind == Kind::Feljegyzes) {
            m_noteLoader->cancel();
            mZimpa->clear();
        } else
            ClearGridRows(tZimpa);
    }
}

void TfrmMain::mEdit_SubMenu1_InsertRowClick() {
    tZimpa->commitEdit();
    if (!tZimpa->appendRow()) {
        Dialogs::information(
            QStringLiteral("Egy emlékeztető legfeljebb %1 sort tartalmazhat, a fejléccel együtt.")
                .arg(ReminderGrid::MaxRows),
            this);
        return;
    }
    EnableSave();
}

void TfrmMain::mEdit_SubMenu1_DeleteRowClick() {
    tZimpa->commitEdit();
    const int current = tZimpa->currentRow();
    const int last = tZimpa->rowCount() - 1;
    // The grid keeps its header and at least one row.
    if (current < 1 || last < 2)
        return;
    {
        QScopedValueRollback filling(m_fillingEditor, true);
        for (int row = current; row < last; ++row) {
            for (int column = 0; column < tZimpa->columnCount(); ++column)
                tZimpa->setCell(row, column, tZimpa->cell(row + 1, column));
        }
        tZimpa->setRowCount(last);
    }
    EnableSave();
}

void TfrmMain::PopupMenu2Popup() {
    const bool rowsToDelete = tZimpa->rowCount() > 2;
    PopupMenu2_RowDel->setEnabled(rowsToDelete);
    mEdit_SubMenu1_DeleteRow->setEnabled(rowsToDelete);
}

void TfrmMain::tZimpaDblClick() {
    if (mSettings_Editor->isChecked())
        PopupMenu2_EditClick();
}

void TfrmMain::PopupMenu2_EditClick() {
    tZimpa->commitEdit();
    frmEdit->editCurrentRow();
}

// The item has turned its check over by the time its command runs.
void TfrmMain::mSettings_EditorClick() {
}

void TfrmMain::mEdit_SubMenu2_CopyClick() {
    mZimpa->copy();
}

void TfrmMain::mEdit_SubMenu2_CutClick() {
    mZimpa->cut();
}

void TfrmMain::mEdit_SubMenu2_InsertClick() {
    mZimpa->paste();
}

void TfrmMain::mEdit_SubMenu2_ClearClick() {
    mZimpa->textCursor().removeSelectedText();
}
