#include "AlertForm.h"

#include "Guard.h"
#include "TransparentForm.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

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

    centreOnDesktop();
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
    if (!m_mainWindow)
        return;
    // Name, size and colour only: the main window's style (bold, italic, ...) stays its own.
    QFont own = font();
    const QFont main = m_mainWindow->font();
    own.setFamily(main.family());
    if (main.pointSizeF() > 0)
        own.setPointSizeF(main.pointSizeF());
    else
        own.setPixelSize(main.pixelSize());
    setFont(own);

    // Text only, as on the main window: the button's face and text keep the desktop's look.
    QPalette colours = palette();
    const QPalette mainColours = m_mainWindow->palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text}) {
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            colours.setColor(group, role, mainColours.color(group, role));
    }
    setPalette(colours);
}

void TfrmAlert::btnCloseClick() {
    TransparentForm->FadeOut();
    mMemo->clear();
    close();
}

void TfrmAlert::centreOnDesktop() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect desktop = screen->virtualGeometry();
    move(desktop.x() + (desktop.width() - width()) / 2,
         desktop.y() + (desktop.height() - height()) / 2);
}
