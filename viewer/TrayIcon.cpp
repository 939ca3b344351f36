#include "TrayIcon.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QMenu>
#include <QVariant>
#include <QWidget>
#include <QWindowStateChangeEvent>

#include <limits>

namespace {

std::optional<bool>& trayAvailableForTesting() {
    static std::optional<bool> value;
    return value;
}

TTrayIcon::PopupOpener& popupOpenerForTesting() {
    static TTrayIcon::PopupOpener value;
    return value;
}

bool trayAvailable() {
    if (trayAvailableForTesting())
        return *trayAvailableForTesting();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

} // namespace

TTrayIcon::TTrayIcon(QWidget* owner)
    : QObject(owner)
    , m_mainWindow(owner ? owner->window() : nullptr)
    , m_tray(new QSystemTrayIcon(this)) {
    // No tool tip is ever set: the icon shows none.
    connect(m_tray, &QSystemTrayIcon::activated, this, &TTrayIcon::HandleIconMessage);
    if (m_mainWindow)
        m_mainWindow->installEventFilter(this);
}

TTrayIcon::~TTrayIcon() {
    DeleteIcon();
    if (m_mainWindow)
        m_mainWindow->removeEventFilter(this);
}

void TTrayIcon::setTrayAvailableForTesting(std::optional<bool> available) {
    trayAvailableForTesting() = available;
}

void TTrayIcon::setPopupOpenerForTesting(PopupOpener opener) {
    popupOpenerForTesting() = std::move(opener);
}

QWidget* TTrayIcon::mainWindow() const {
    return m_mainWindow;
}

bool TTrayIcon::isWorking() const {
    return m_enabled && trayAvailable();
}

void TTrayIcon::Loaded() {
    if (isWorking())
        ApplyIconVisible(m_iconVisible);
    if (!m_loaded) {
        connect(&m_cycleTimer, &QTimer::timeout, this, &TTrayIcon::CycleTimerTick);
        m_loaded = true;
    }
    applyCycleTimer();
}

void TTrayIcon::SetIcon(const QIcon& icon) {
    m_icon = icon;
    ModifyIcon();
}

QMenu* TTrayIcon::PopupMenu() const {
    return m_popupMenu;
}

void TTrayIcon::SetPopupMenu(QMenu* menu) {
    m_popupMenu = menu;
}

void TTrayIcon::SetIconList(const QList<QIcon>& list) {
    m_iconList = list;
    SetIconIndex(0);
}

void TTrayIcon::SetIconIndex(int index) {
    if (m_iconList.isEmpty()) {
        m_iconIndex = 0;
    } else {
        m_iconIndex = qBound(0, index, static_cast<int>(m_iconList.size()) - 1);
        m_icon = m_iconList[m_iconIndex];
    }
    ModifyIcon();
}

void TTrayIcon::SetCycleIcons(bool cycle) {
    if (!isWorking())
        return;
    m_cycleIcons = cycle;
    SetIconIndex(0);
    m_cycleTimerOn = cycle;
    applyCycleTimer();
}

void TTrayIcon::SetCycleInterval(quint32 milliseconds) {
    m_cycleInterval = milliseconds;
    applyCycleTimer();
}

// A timer of interval 0 would fire whenever the event loop is idle; here 0 means it never fires.
// Before Loaded() the timer has nothing to call and stays off.
void TTrayIcon::applyCycleTimer() {
    if (m_loaded && m_cycleTimerOn && m_cycleInterval > 0) {
        const quint32 longest = std::numeric_limits<int>::max();
        m_cycleTimer.start(static_cast<int>(qMin(m_cycleInterval, longest)));
    } else {
        m_cycleTimer.stop();
    }
}

void TTrayIcon::CycleTimerTick() {
    if (m_iconList.isEmpty())
        return;
    const int last = static_cast<int>(m_iconList.size()) - 1;
    SetIconIndex(m_iconIndex < last ? m_iconIndex + 1 : 0);
}

bool TTrayIcon::AddIcon() {
    if (!trayAvailable() || m_tray->isVisible())
        return false;
    m_tray->setIcon(m_icon);
    m_tray->show();
    return true;
}

bool TTrayIcon::ModifyIcon() {
    if (!m_tray->isVisible())
        return false;
    m_tray->setIcon(m_icon);
    return true;
}

bool TTrayIcon::DeleteIcon() {
    if (!m_tray->isVisible())
        return false;
    m_tray->hide();
    return true;
}

void TTrayIcon::ApplyIconVisible(bool visible) {
    if (visible)
        AddIcon();
    else
        DeleteIcon();
}

void TTrayIcon::ShowMainForm() {
    QWidget* window = mainWindow();
    if (!window || !isWorking())
        return;
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    if (!m_iconVisible)
        DeleteIcon();
}

void TTrayIcon::HideMainForm() {
    QWidget* window = mainWindow();
    if (!window)
        return;
    if (isWorking()) {
        window->hide();
        AddIcon();
    } else {
        window->showMinimized();
    }
}

void TTrayIcon::ShowPopup() {
    if (!m_popupMenu)
        return;
    const QPoint position = QCursor::pos();
    QCoreApplication::processEvents();
    if (QWidget* window = mainWindow(); window && window->isVisible())
        window->activateWindow();
    // The menu's handlers can tell that it was opened from the icon.
    m_popupMenu->setProperty("PopupComponent", QVariant::fromValue<QObject*>(this));
    if (popupOpenerForTesting())
        popupOpenerForTesting()(m_popupMenu, position);
    else
        m_popupMenu->exec(position);
}

// The notification areas report a press of the left button as Trigger and one of the right
// button as Context; a double click comes as Trigger, then DoubleClick.
void TTrayIcon::HandleIconMessage(QSystemTrayIcon::ActivationReason reason) {
    if (!isWorking())
        return;
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        if (m_leftPopup)
            ShowPopup();
        break;
    case QSystemTrayIcon::DoubleClick:
        if (QWidget* window = mainWindow()) {
            if (window->isVisible())
                HideMainForm();
            else
                ShowMainForm();
        }
        break;
    case QSystemTrayIcon::Context:
        ShowPopup();
        break;
    default:
        break;
    }
}

bool TTrayIcon::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_mainWindow)
        HandleAppMessages(event);
    return QObject::eventFilter(watched, event); // the window still gets every event
}

void TTrayIcon::HandleAppMessages(QEvent* event) {
    if (event->type() != QEvent::WindowStateChange)
        return;
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    if (m_mainWindow->isMinimized() && !(change->oldState() & Qt::WindowMinimized)) {
        // Not while the window is still in the middle of changing its state.
        QMetaObject::invokeMethod(this, &TTrayIcon::hideMinimizedWindow, Qt::QueuedConnection);
    }
}

void TTrayIcon::hideMinimizedWindow() {
    QWidget* window = mainWindow();
    if (!window || !window->isMinimized() || !window->isVisible())
        return; // restored or hidden meanwhile
    AddIcon();
    HideMainForm();
}
