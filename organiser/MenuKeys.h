#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QAction;
class QMenu;
class QWidget;

// The shortcut keys of the menus. Qt fires none of several enabled actions that share a key, and
// a disabled menu does not stop the shortcuts of its items; so the actions carry no shortcut of
// their own (the menus show the key as text after a tab) and each key is registered here once.
// A key goes to the first item that carries it whose rule lets it act: main-menu items first, in
// menu order, then the items of the pop-up menu of the control that has the keyboard. An item
// acts only while it and every menu above it are enabled; an item without a command never takes
// its key.
//
// Enter, Del and Space belong to the lists: they are watched on the lists only, and a key that
// no item takes goes on to the list, so typing in the grid or the note editor never reaches a
// list command. Every other key is a window shortcut.
class MenuKeys : public QObject {
    Q_OBJECT

public:
    struct Binding {
        QAction* item = nullptr;
        QList<QAction*> menusAbove; // the sub-menus and the menu that hold the item
        QMenu* topMenu = nullptr;   // the menu of the bar or the pop-up menu the item is in
        bool popup = false;
        bool hasCommand = false;
        std::function<void()> beforeKey; // what runs as the top menu opens
    };

    using RefreshRules = std::function<void()>;
    using PopupOf = std::function<QMenu*(QWidget*)>;

    MenuKeys(QWidget* window, RefreshRules refreshRules, PopupOf popupOf);

    // key is the text that the menu shows ("Ctrl+U", "Enter", "Del", "Space").
    void bind(const QString& key, const Binding& binding);

    // Registers the window shortcuts and starts watching the lists' keys.
    void activate(const QList<QWidget*>& lists);

    // Carries out the key for the control that has the keyboard; false when no item took it.
    bool dispatch(const QString& key, QWidget* focus);

    static bool isListKey(const QString& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool mayAct(const Binding& binding);

    QWidget* m_window;
    RefreshRules m_refreshRules;
    PopupOf m_popupOf;
    QHash<QString, QList<Binding>> m_bindings;
    QStringList m_keys; // in the order first bound
    QList<QWidget*> m_lists;
};
