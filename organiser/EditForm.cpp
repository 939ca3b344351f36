#include "EditForm.h"

#include "Dialogs.h"
#include "Guard.h"
#include "OneLineValidator.h"
#include "ReminderGrid.h"
#include "SpinField.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfrmEdit::TfrmEdit(QWidget* mainWindow, ReminderGrid* grid, std::function<void()> onEdited)
    : QDialog(mainWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_mainWindow(mainWindow)
    , m_grid(grid)
    , m_onEdited(std::move(onEdited)) {
    setObjectName(QStringLiteral("frmEdit"));
    setWindowTitle(QStringLiteral("Zimpa V2.00 - Emlékeztető szerkesztése"));
    setWindowModality(Qt::WindowModal);

    lbTime = new QLabel(QStringLiteral("Időpont:"));
    seHour = new SpinField(0, 24);
    seHour->setObjectName(QStringLiteral("seHour"));
    seMin = new SpinField(0, 59);
    seMin->setObjectName(QStringLiteral("seMin"));
    lbMemo = new QLabel(QStringLiteral("Emlékeztető üzenet:"));
    edMsg = new QLineEdit;
    edMsg->setObjectName(QStringLiteral("edMsg"));
    // The message becomes a cell of the grid, which holds one line.
    edMsg->setValidator(new OneLineValidator(edMsg));
    btnOk = new QPushButton(QStringLiteral("&OK"));
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnCancel = new QPushButton(QStringLiteral("&Mégse"));
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    for (QPushButton* button : {btnOk, btnCancel}) {
        button->setCursor(Qt::PointingHandCursor);
        button->setAutoDefault(false);
    }

    auto* time = new QHBoxLayout;
    time->addWidget(seHour);
    time->addWidget(new QLabel(QStringLiteral(":")));
    time->addWidget(seMin);
    time->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto* layout = new QGridLayout(this);
    layout->addWidget(lbTime, 0, 0);
    layout->addLayout(time, 0, 1);
    layout->addWidget(lbMemo, 1, 0);
    layout->addWidget(edMsg, 1, 1);
    layout->addLayout(buttons, 2, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    edMsg->setMinimumWidth(260);

    setTabOrder(edMsg, btnOk);
    setTabOrder(btnOk, btnCancel);
    setTabOrder(btnCancel, seHour);
    setTabOrder(seHour, seMin);

    connect(btnOk, &QPushButton::clicked, this, [this] { runGuarded([this] { btnOkClick(); }); });
    connect(btnCancel, &QPushButton::clicked, this,
            [this] { runGuarded([this] { btnCancelClick(); }); });
    FormCreate();
}

void TfrmEdit::FormCreate() {
    copyMainWindowFont();
}

void TfrmEdit::FormActivate() {
    copyMainWindowFont();
}

bool TfrmEdit::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        runGuarded([this] { FormActivate(); });
    return QDialog::event(event);
}

void TfrmEdit::copyMainWindowFont() {
    setFont(m_mainWindow->font());
    QPalette colours = palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
        colours.setColor(role, m_mainWindow->palette().color(role));
    setPalette(colours);
}

void TfrmEdit::editCurrentRow() {
    const int row = m_grid->currentRow();
    if (row < 1)
        return;
    const QString time = m_grid->cell(row, 0);
    const qsizetype colon = time.lastIndexOf(QLatin1Char(':'));
    // Without a colon the fields keep what they showed last.
    if (colon >= 0) {
        seHour->setText(time.left(colon));
        seMin->setText(time.mid(colon + 1));
    }
    edMsg->setText(m_grid->cell(row, 1));
    edMsg->setFocus();
    Dialogs::runModal(*this);
}

void TfrmEdit::btnOkClick() {
    const int row = m_grid->currentRow();
    if (row >= 1) {
        m_grid->setCell(row, 0, seHour->text() + QLatin1Char(':') + seMin->text());
        m_grid->setCell(row, 1, edMsg->text());
    }
    m_onEdited();
    close();
}

void TfrmEdit::btnCancelClick() {
    close();
}
