#include "AlertForm.h"

#include "Guard.h"
#include "TransparentForm.h"
#include "WindowLook.h"

#include <QPlainTextEdit>
#include <QPushButton>

TfrmAlert::TfrmAlert(const QWidget* mainWindow)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::WindowStaysOnTopHint)
    , m_mainWindow(mainWindow) {
    setObjectName(QStringLiteral("frmAlert"));
    setWindowTitle(QStringLiteral("Zimpa V2.00 - Üzenet"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setFixedSize(387, 149);

    mMemo = new QPlainTextEdit(this);
    mMemo->setObjectName(QStringLiteral("mMemo"));
    mMemo->setGeometry(8, 8, 369, 97);
    mMemo->setReadOnly(true);
    mMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    btnClose = new QPushButton(QStringLiteral("&Bezár"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setGeometry(288, 115, 75, 25);
    btnClose->setCursor(Qt::PointingHandCursor);
    connect(btnClose, &QPushButton::clicked, this,
            [this] { runGuarded([this] { btnCloseClick(); }); });

    TransparentForm = new TTransparentForm(this);
    TransparentForm->SetTransparency(0);
    TransparentForm->SetFadeTime(5);

    centreOnDesktop(this);
    runGuarded([this] { FormCreate(); });
}

void TfrmAlert::AddLine(const QString& text) {
    mMemo->appendPlainText(text);
}

void TfrmAlert::Popup() {
    TransparentForm->SetTransparency(100);
    TransparentForm->FadeIn(0);
}

void TfrmAlert::FormCreate() {
    takeMainWindowFont(this, m_mainWindow);
}

void TfrmAlert::btnCloseClick() {
    TransparentForm->FadeOut();
    mMemo->clear();
    close();
}
