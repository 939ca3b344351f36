#pragma once

#include <QIcon>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>

#include <functional>
#include <optional>

class QEvent;
class QMenu;
class QWidget;

// The notification-area icon of a program's main window, the window that owns it: it hides the
// window into the notification area and brings it back, opens a pop-up menu from the icon, and
// can step the icon through a list of images. The owner sets the properties it keeps and then
// calls Loaded() once.
//
// Where the desktop has no notification area the component acts as disabled, whatever Enabled
// says: hiding minimizes the window, so that it never vanishes without an icon to bring it back.
class TTrayIcon : public QObject {
    Q_OBJECT

public:
    // Watches the owner's window for being minimized from the start. A null owner gives a
    // component without a main window: showing and hiding then do nothing.
    explicit TTrayIcon(QWidget* owner);
    ~TTrayIcon() override;

    // Once the owner has set the properties: shows or removes the icon by IconVisible and lets
    // the cycle timer step the images from now on.
    void Loaded();

    // Every reaction to the icon and the hiding and showing depend on it. Default true.
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled) { m_enabled = enabled; }

    // The image shown in the notification area. Null by default.
    QIcon Icon() const { return m_icon; }
    void SetIcon(const QIcon& icon);

    // Whether the icon stays while the main window is shown; takes effect at the next showing.
    // Default true.
    bool IconVisible() const { return m_iconVisible; }
    void SetIconVisible(bool visible) { m_iconVisible = visible; }

    // The images for IconIndex and for cycling; an empty list is no list. Setting a list shows
    // its first image.
    QList<QIcon> IconList() const { return m_iconList; }
    void SetIconList(const QList<QIcon>& list);

    // The image of IconList shown. An index past the list shows the last image, one below 0 the
    // first; without a list the index is 0.
    int IconIndex() const { return m_iconIndex; }
    void SetIconIndex(int index);

    // The menu opened from the icon; not owned.
    QMenu* PopupMenu() const;
    void SetPopupMenu(QMenu* menu);

    // Whether a left click opens the menu too (a right click always does). Default false.
    bool LeftPopup() const { return m_leftPopup; }
    void SetLeftPopup(bool leftPopup) { m_leftPopup = leftPopup; }

    // Steps the icon through IconList every CycleInterval milliseconds. Only a working component
    // takes the value; otherwise it stays as it was. Default false.
    bool CycleIcons() const { return m_cycleIcons; }
    void SetCycleIcons(bool cycle);

    // Milliseconds between cycle steps; 0 stops the stepping. Default 500.
    quint32 CycleInterval() const { return m_cycleInterval; }
    void SetCycleInterval(quint32 milliseconds);

    // Brings the main window back from the notification area; the icon goes unless IconVisible.
    void ShowMainForm();
    // Hides the main window into the notification area, or minimizes it where the component
    // does not work.
    void HideMainForm();
    // Opens PopupMenu at the mouse cursor and returns when it closes.
    void ShowPopup();

    // Put the icon into the notification area, refresh its image, take it out. Each is false
    // and changes nothing when there is nothing to do: adding a shown icon, changing or removing
    // one that is not shown, or no notification area at all.
    bool AddIcon();
    bool ModifyIcon();
    bool DeleteIcon();

    void ApplyIconVisible(bool visible);
    void CycleTimerTick();

    // A click on the icon as the notification area reports it.
    void HandleIconMessage(QSystemTrayIcon::ActivationReason reason);

    // The icon as the notification area has it now.
    bool isIconShown() const { return m_tray->isVisible(); }
    QIcon shownIcon() const { return m_tray->icon(); }
    bool isCycleTimerRunning() const { return m_cycleTimer.isActive(); }

    // Pretends that the desktop has a notification area, or has none; an empty value asks the
    // desktop again.
    static void setTrayAvailableForTesting(std::optional<bool> available);

    // Hands every menu that would open to the function instead, with the position it would open
    // at, so that no test blocks in a menu; an empty function opens menus again.
    using PopupOpener = std::function<void(QMenu* menu, const QPoint& position)>;
    static void setPopupOpenerForTesting(PopupOpener opener);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The main window's own events: one that minimizes it sends it into the notification area.
    void HandleAppMessages(QEvent* event);
    void hideMinimizedWindow();

    QWidget* mainWindow() const;
    bool isWorking() const;
    void applyCycleTimer();

    bool m_enabled = true;
    QIcon m_icon;
    bool m_iconVisible = true;
    QList<QIcon> m_iconList;
    int m_iconIndex = 0;
    QPointer<QMenu> m_popupMenu;
    bool m_leftPopup = false;
    bool m_cycleIcons = false;
    quint32 m_cycleInterval = 500;

    QPointer<QWidget> m_mainWindow;
    QSystemTrayIcon* m_tray = nullptr;
    QTimer m_cycleTimer;
    bool m_cycleTimerOn = false;
    bool m_loaded = false;
};
