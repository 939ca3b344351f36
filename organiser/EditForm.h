#pragma once

#include "ReminderGrid.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class SpinField;

// The row-edit dialog: one row of the main window's grid, its time as hour and minute and its
// message. It is made once with the main window and shown modally over it whenever needed.
class TfrmEdit : public QDialog {
    Q_OBJECT

public:
    // The dialog writes into the grid's current row; onEdited runs after it did.
    TfrmEdit(QWidget* mainWindow, ReminderGrid* grid, std::function<void()> onEdited);

    // Fills the fields from the grid's current row and shows the dialog modally.
    void editCurrentRow();

    QLabel* lbTime = nullptr;
    SpinField* seHour = nullptr;
    SpinField* seMin = nullptr;
    QLabel* lbMemo = nullptr;
    QLineEdit* edMsg = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;

public slots:
    void FormCreate();
    void FormActivate();
    void btnOkClick();
    void btnCancelClick();

protected:
    bool event(QEvent* event) override;

private:
    void copyMainWindowFont();

    QWidget* m_mainWindow;
    ReminderGrid* m_grid;
    std::function<void()> m_onEdited;
};
