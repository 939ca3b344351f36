// The pop-up menu of the table, the note and the notification-area icon, and its commands.
#include "ViewForm.h"

#include "Guard.h"
#include "Shell.h"
#include "TransparentForm.h"
#include "TrayIcon.h"
#include "ViewImages.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QTextEdit>

QAction* TfrmView::addItem(const QString& name, const QString& caption,
                           void (TfrmView::*handler)()) {
    auto* item = new QAction(caption, PopupMenu1);
    item->setObjectName(name);
    PopupMenu1->addAction(item);
    // Its key works wherever the window has the keyboard, as the menu's owner's keys do.
    addAction(item);
    connect(item, &QAction::triggered, this,
            [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); });
    return item;
}

QAction* TfrmView::addSeparator(const QString& name) {
    QAction* separator = PopupMenu1->addSeparator();
    separator->setObjectName(name);
    return separator;
}

void TfrmView::createMenu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    // Every separator is shown, also around the hidden items, as the window designed them.
    PopupMenu1->setSeparatorsCollapsible(false);

    PopupMenu1_New = addItem(QStringLiteral("PopupMenu1_New"), QStringLiteral("Új Zimpa..."),
                             &TfrmView::PopupMenu1_NewClick);
    PopupMenu1_S1 = addSeparator(QStringLiteral("PopupMenu1_S1"));
    PopupMenu1_Save = addItem(QStringLiteral("PopupMenu1_Save"), QStringLiteral("Állapot mentése"),
                              &TfrmView::PopupMenu1_SaveClick);
    PopupMenu1_Save->setShortcut(QKeySequence(QStringLiteral("Ctrl+M")));
    PopupMenu1_Save->setIcon(ViewImages::menuImage(1));
    PopupMenu1_Save->setEnabled(false);
    PopupMenu1_Load =
        addItem(QStringLiteral("PopupMenu1_Load"), QStringLiteral("Állapot visszatöltése"),
                &TfrmView::PopupMenu1_LoadClick);
    PopupMenu1_Load->setShortcut(QKeySequence(QStringLiteral("Ctrl+B")));
    PopupMenu1_Load->setIcon(ViewImages::menuImage(0));
    PopupMenu1_S2 = addSeparator(QStringLiteral("PopupMenu1_S2"));
    PopupMenu1_Show = addItem(QStringLiteral("PopupMenu1_Show"), QStringLiteral("Ablak mutatása"),
                              &TfrmView::PopupMenu1_ShowClick);
    PopupMenu1_Show->setEnabled(false);
    PopupMenu1_Hide = addItem(QStringLiteral("PopupMenu1_Hide"), QStringLiteral("Ablak elrejtése"),
                              &TfrmView::PopupMenu1_HideClick);
    PopupMenu1_Hide->setShortcut(QKeySequence(QStringLiteral("Ctrl+R")));
    PopupMenu1_StayOnTop =
        addItem(QStringLiteral("PopupMenu1_StayOnTop"), QStringLiteral("Maradjon mindig felül"),
                &TfrmView::PopupMenu1_StayOnTopClick);
    PopupMenu1_StayOnTop->setShortcut(QKeySequence(QStringLiteral("Ctrl+F")));
    PopupMenu1_StayOnTop->setCheckable(true);

    PopupMenu1_S3 = addSeparator(QStringLiteral("PopupMenu1_S3"));
    PopupMenu1_S3->setVisible(false);
    PopupMenu1_S3->setEnabled(false);
    // How an alert is to be shown: offered by the design, never made available.
    m_warnings = new QActionGroup(this);
    m_warnings->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    rbTray = addItem(QStringLiteral("rbTray"), QStringLiteral("Figyelmeztetés a tálcán"),
                     &TfrmView::rbTrayClick);
    rbForm = addItem(QStringLiteral("rbForm"), QStringLiteral("Figyelmeztetés külön ablakban"),
                     &TfrmView::rbFormClick);
    rbBoth = addItem(QStringLiteral("rbBoth"), QStringLiteral("Figyelmeztetés mindkét módon"),
                     &TfrmView::rbBothClick);
    for (QAction* radio : {rbTray, rbForm, rbBoth}) {
        radio->setCheckable(true);
        radio->setActionGroup(m_warnings);
        radio->setVisible(false);
        radio->setEnabled(false);
    }
    rbBoth->setChecked(true);

    PopupMenu1_S4 = addSeparator(QStringLiteral("PopupMenu1_S4"));
    PopupMenu1_About = addItem(QStringLiteral("PopupMenu1_About"), QStringLiteral("Névjegy"),
                               &TfrmView::PopupMenu1_AboutClick);
    PopupMenu1_About->setIcon(ViewImages::menuImage(2));
    PopupMenu1_About->setEnabled(false);
    PopupMenu1_S5 = addSeparator(QStringLiteral("PopupMenu1_S5"));
    PopupMenu1_Close = addItem(QStringLiteral("PopupMenu1_Close"), QStringLiteral("Bezár"),
                               &TfrmView::PopupMenu1_CloseClick);
    PopupMenu1_Close->setShortcut(QKeySequence(QStringLiteral("Alt+F4")));
    PopupMenu1_Close->setIcon(ViewImages::menuImage(3));

    connect(PopupMenu1, &QMenu::aboutToShow, this,
            [this] { runGuarded([this] { PopupMenu1Popup(); }); });
    attachPopupMenu(tZimpa);
    attachPopupMenu(mZimpa);
}

void TfrmView::attachPopupMenu(QWidget* widget) {
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(widget, &QWidget::customContextMenuRequested, PopupMenu1, [this, widget](QPoint pos) {
        // A scroll area reports the position in its viewport.
        auto* area = qobject_cast<QAbstractScrollArea*>(widget);
        PopupMenu1->popup((area ? area->viewport() : widget)->mapToGlobal(pos));
    });
}

void TfrmView::setAboutOpener(std::function<void()> opener) {
    m_openAbout = std::move(opener);
    PopupMenu1_About->setEnabled(bool(m_openAbout));
}

void TfrmView::PopupMenu1Popup() {
    PopupMenu1_StayOnTop->setChecked(stayOnTop());
    PopupMenu1_Show->setEnabled(isHidden());
    PopupMenu1_Hide->setEnabled(isVisible());
}

void TfrmView::PopupMenu1_NewClick() {
    // The organiser shows itself, whether it is started anew or already runs.
    Shell::startProgram(m_exeDir + QStringLiteral("Zimpa"), {});
}

void TfrmView::PopupMenu1_SaveClick() {
    PopupMenu1_Save->setEnabled(false);
    tZimpa->commitEdit();
    for (int row = 0; row < tZimpa->rowCount(); ++row)
        m_alarmTimes.arm(row, tZimpa->cell(row, 0));
}

void TfrmView::PopupMenu1_LoadClick() {
    LoadFile(m_currentFile);
    PopupMenu1_Save->setEnabled(false);
}

void TfrmView::PopupMenu1_ShowClick() {
    TrayIcon->ShowMainForm();
    PopupMenu1_Show->setEnabled(false);
    PopupMenu1_Hide->setEnabled(true);
}

void TfrmView::PopupMenu1_HideClick() {
    TrayIcon->SetIconVisible(true);
    TrayIcon->HideMainForm();
    PopupMenu1_Show->setEnabled(true);
    PopupMenu1_Hide->setEnabled(false);
}

void TfrmView::PopupMenu1_StayOnTopClick() {
    m_viewSettings.StayOnTop = PopupMenu1_StayOnTop->isChecked();
    setStayOnTop(m_viewSettings.StayOnTop);
    TransparentForm->ApplyTransparency(static_cast<std::int8_t>(m_viewSettings.Transparent));
}

void TfrmView::rbTrayClick() {
    rbTray->setChecked(true);
    rbForm->setChecked(false);
    rbBoth->setChecked(false);
}

void TfrmView::rbFormClick() {
    rbForm->setChecked(true);
    rbTray->setChecked(false);
    rbBoth->setChecked(false);
}

void TfrmView::rbBothClick() {
    rbBoth->setChecked(true);
    rbTray->setChecked(false);
    rbForm->setChecked(false);
}

void TfrmView::PopupMenu1_AboutClick() {
    if (m_openAbout)
        m_openAbout();
}

void TfrmView::PopupMenu1_CloseClick() {
    close();
}

void TfrmView::tZimpaSetEditText() {
    PopupMenu1_Save->setEnabled(true);
}
