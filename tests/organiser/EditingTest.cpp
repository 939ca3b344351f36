#include "MainFormFixture.h"

#include "EditForm.h"
#include "ReminderGrid.h"
#include "SpinField.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

using RecordBytes::reminder;

class EditingTest : public MainFormFixture {
protected:
    void startWith(int appointments, const QByteArray& notes = {}) {
        QByteArray list;
        for (int i = 1; i <= appointments; ++i) {
            list += reminder(i * 10, 0, "Id\xF5pont " + QByteArray::number(i));
            folder.write(QStringLiteral("time/%1").arg(i * 10),
                         "H|M\r\n" + QByteArray::number(i) + ":00|sor\r\n");
        }
        folder.write(QStringLiteral("time.list"), list);
        folder.write(QStringLiteral("memo.list"), notes);
        create();
    }

    void select(QListWidget* list, int line) {
        list->clearSelection();
        list->item(line)->setSelected(true);
    }

    void setRows(const QList<TableRow>& rows) {
        window->tZimpa->setRowCount(int(rows.size()));
        for (int r = 0; r < rows.size(); ++r) {
            window->tZimpa->setCell(r, 0, rows[r].time);
            window->tZimpa->setCell(r, 1, rows[r].message);
        }
        window->tZimpa->makeHeaderRow();
    }

    // Runs the row-edit dialog on the current row and lets the given step act in it.
    void editRow(const std::function<void(TfrmEdit*)>& inDialog) {
        QTimer::singleShot(0, window.get(), [this, inDialog] {
            ASSERT_TRUE(window->frmEdit->isVisible());
            inDialog(window->frmEdit);
            if (window->frmEdit->isVisible())
                window->frmEdit->close();
        });
        window->PopupMenu2_EditClick();
    }

    bool saveEnabled() const { return window->mFile_Save->isEnabled(); }

    QStringList titles() const {
        QStringList result;
        for (int i = 0; i < window->clbIdopont->count(); ++i)
            result << window->clbIdopont->item(i)->text();
        return result;
    }
};

TEST_F(EditingTest, DeletingTheThirdOfFiveCompactsTheTableAndRemovesItsBodyAtOnce) {
    startWith(5);
    select(window->clbIdopont, 2);
    window->mEdit_SubMenu1_DeleteClick();
    EXPECT_EQ(titles(), QStringList({"Időpont 1", "Időpont 2", "Időpont 4", "Időpont 5"}));
    const ReminderTable& table = tables->IdopontList;
    EXPECT_EQ(table[2].ID(), 40);
    EXPECT_EQ(table[3].ID(), 50);
    EXPECT_EQ(QByteArray(table[4].data(), TReminderRec::Size), QByteArray(TReminderRec::Size, 0));
    EXPECT_FALSE(folder.exists(QStringLiteral("time/30")));
    EXPECT_TRUE(folder.exists(QStringLiteral("time/40")));
    // The list file follows at the next save or the close.
    EXPECT_EQ(folder.read(QStringLiteral("time.list")).size(), 5 * 104);
    EXPECT_EQ(window->GetSelected(window->clbIdopont), -1) << "Del must not hit the neighbour";
    ASSERT_TRUE(close());
    EXPECT_EQ(folder.read(QStringLiteral("time.list")).size(), 4 * 104);
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(EditingTest, DeletingClearsTheEditorOnlyWhenItHoldsThatReminder) {
    startWith(3);
    select(window->clbIdopont, 0);
    window->mEdit_SubMenu1_LoadClick();
    select(window->clbIdopont, 1);
    window->mEdit_SubMenu1_DeleteClick();
    EXPECT_EQ(window->tZimpa->cell(1, 0), QStringLiteral("1:00"));

    select(window->clbIdopont, 0);
    window->mEdit_SubMenu1_DeleteClick();
    EXPECT_EQ(window->tZimpa->cell(1, 0), QString());
    EXPECT_EQ(window->tZimpa->rowCount(), 2);
    EXPECT_FALSE(window->editorHolds());
    EXPECT_EQ(window->LoadedTitle, QStringLiteral("Időpont 1"));
    // Nothing is loaded now: a save must not write the deleted reminder's body back.
    window->mFile_SaveClick();
    EXPECT_FALSE(folder.exists(QStringLiteral("time/10")));
}

TEST_F(EditingTest, DeletingWithoutASelectionDoesNothing) {
    startWith(2);
    window->mEdit_SubMenu1_DeleteClick();
    EXPECT_EQ(window->clbIdopont->count(), 2);
    EXPECT_TRUE(folder.exists(QStringLiteral("time/10")));
}

TEST_F(EditingTest, RowsAreAppendedAtTheEndAndRemovedFromTheCurrentRow) {
    create();
    setRows({{"H", "M"}, {"1", "a"}, {"2", "b"}, {"3", "c"}});
    window->tZimpa->setCurrentCell(1, 1);
    window->mEdit_SubMenu1_DeleteRowClick();
    EXPECT_EQ(window->tZimpa->rows(), (QList<TableRow>{{"H", "M"}, {"2", "b"}, {"3", "c"}}));
    EXPECT_TRUE(saveEnabled());

    window->DisableSave();
    window->tZimpa->setCurrentCell(1, 0);
    window->mEdit_SubMenu1_InsertRowClick();
    EXPECT_EQ(window->tZimpa->rows(), (QList<TableRow>{{"H", "M"}, {"2", "b"}, {"3", "c"}, {}}));
    EXPECT_TRUE(saveEnabled());
}

TEST_F(EditingTest, RowDeletionIsOfferedOnlyAboveTwoRows) {
    create();
    setRows({{"H", "M"}, {"1", "a"}, {"2", "b"}});
    window->PopupMenu2Popup();
    EXPECT_TRUE(window->PopupMenu2_RowDel->isEnabled());
    window->tZimpa->setCurrentCell(2, 0);
    window->mEdit_SubMenu1_DeleteRowClick();
    window->PopupMenu2Popup();
    EXPECT_FALSE(window->PopupMenu2_RowDel->isEnabled());
    EXPECT_FALSE(window->mEdit_SubMenu1_DeleteRow->isEnabled());
    // Even when called, the last row under the header stays.
    window->tZimpa->setCurrentCell(1, 0);
    window->mEdit_SubMenu1_DeleteRowClick();
    EXPECT_EQ(window->tZimpa->rowCount(), 2);
    window->mEdit_SubMenu1_InsertRowClick();
    window->PopupMenu2Popup();
    EXPECT_TRUE(window->PopupMenu2_RowDel->isEnabled());
}

TEST_F(EditingTest, TheGridNeverGrowsPastTheLargestTable) {
    create();
    window->tZimpa->setRowCount(ContentFile::MaxLines);
    window->mEdit_SubMenu1_InsertRowClick();
    EXPECT_EQ(window->tZimpa->rowCount(), ContentFile::MaxLines);
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Information);
}

TEST_F(EditingTest, TheRowEditorSplitsAtTheLastColonAndWritesTheFieldsAsTheyStand) {
    create();
    setRows({{"H", "M"}, {"8:30", "Reggeli"}, {"nincs", "x"}, {"1:2:3", "y"}});
    window->tZimpa->setCurrentCell(1, 1);
    editRow([](TfrmEdit* dialog) {
        EXPECT_EQ(dialog->seHour->text(), QStringLiteral("8"));
        EXPECT_EQ(dialog->seMin->text(), QStringLiteral("30"));
        EXPECT_EQ(dialog->edMsg->text(), QStringLiteral("Reggeli"));
        dialog->btnOk->click();
    });
    EXPECT_EQ(window->tZimpa->rows()[1], (TableRow{"8:30", "Reggeli"}));
    EXPECT_TRUE(saveEnabled());

    // Without a colon the fields keep what they showed last.
    window->DisableSave();
    window->tZimpa->setCurrentCell(2, 1);
    editRow([](TfrmEdit* dialog) {
        EXPECT_EQ(dialog->seHour->text(), QStringLiteral("8"));
        dialog->seHour->setText(QStringLiteral("9"));
        dialog->seMin->setText(QStringLiteral("5"));
        dialog->edMsg->setText(QStringLiteral("Új"));
        dialog->btnOk->click();
    });
    EXPECT_EQ(window->tZimpa->rows()[2], (TableRow{"9:5", "Új"}));

    window->tZimpa->setCurrentCell(3, 1);
    editRow([](TfrmEdit* dialog) {
        EXPECT_EQ(dialog->seHour->text(), QStringLiteral("1:2"));
        dialog->seHour->setText(QString());
        dialog->btnCancel->click();
    });
    EXPECT_EQ(window->tZimpa->rows()[3], (TableRow{"1:2:3", "y"}));
}

// The message field is one line, as the cell it goes to: a pasted line break is a blank.
TEST_F(EditingTest, ALineBreakPastedIntoTheRowEditorsMessageBecomesABlank) {
    create();
    setRows({{"H", "M"}, {"8:30", "Reggeli"}});
    QApplication::clipboard()->setText(QStringLiteral("SOR1\r\nSOR2|x\nSOR3\r"));
    editRow([](TfrmEdit* dialog) {
        dialog->edMsg->selectAll();
        QTest::keyClick(dialog->edMsg, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(dialog->edMsg->text(), QStringLiteral("SOR1 SOR2|x SOR3 "));
    });
}

TEST_F(EditingTest, DoubleClickOpensTheRowEditorOnlyWhileTheOptionIsOn) {
    create();
    setRows({{"H", "M"}, {"8:30", "a"}});
    window->tZimpa->setCurrentCell(1, 1);
    window->mSettings_Editor->setChecked(false);
    window->tZimpaDblClick();
    EXPECT_FALSE(window->frmEdit->isVisible());
    window->mSettings_Editor->setChecked(true);
    bool dialogShown = false;
    QTimer::singleShot(0, window.get(), [&] {
        dialogShown = window->frmEdit->isVisible();
        window->frmEdit->close();
    });
    window->tZimpaDblClick();
    EXPECT_TRUE(dialogShown);
}

TEST(SpinFieldTest, LeavingBringsNumbersIntoRangeAndKeepsOtherText) {
    SpinField field(0, 24);
    EXPECT_EQ(field.text(), QStringLiteral("0"));
    field.setText(QStringLiteral("30"));
    emit field.editingFinished();
    EXPECT_EQ(field.text(), QStringLiteral("24"));
    field.setText(QStringLiteral("abc"));
    emit field.editingFinished();
    EXPECT_EQ(field.text(), QStringLiteral("abc"));
    field.setText(QStringLiteral("07"));
    emit field.editingFinished();
    EXPECT_EQ(field.text(), QStringLiteral("07"));
    field.stepBy(1);
    EXPECT_EQ(field.text(), QStringLiteral("8"));
    field.setText(QStringLiteral("24"));
    field.stepBy(1);
    EXPECT_EQ(field.text(), QStringLiteral("24"));
}

TEST_F(EditingTest, TheNoteClipboardCommandsActOnTheSelection) {
    startWith(0, reminder(7, 0, "J"));
    window->mZimpa->setPlainText(QStringLiteral("alma körte"));
    QTextCursor cursor = window->mZimpa->textCursor();
    cursor.setPosition(0);
    cursor.setPosition(4, QTextCursor::KeepAnchor);
    window->mZimpa->setTextCursor(cursor);
    window->mEdit_SubMenu2_CopyClick();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("alma"));
    window->mEdit_SubMenu2_CutClick();
    EXPECT_EQ(window->mZimpa->toPlainText(), QStringLiteral(" körte"));
    window->mEdit_SubMenu2_InsertClick();
    EXPECT_EQ(window->mZimpa->toPlainText(), QStringLiteral("alma körte"));
    cursor = window->mZimpa->textCursor();
    cursor.setPosition(4);
    cursor.setPosition(10, QTextCursor::KeepAnchor);
    window->mZimpa->setTextCursor(cursor);
    window->mEdit_SubMenu2_ClearClick();
    EXPECT_EQ(window->mZimpa->toPlainText(), QStringLiteral("alma"));
    EXPECT_TRUE(saveEnabled());
}
