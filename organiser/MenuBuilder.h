#pragma once

#include "MainMenuTable.h"

#include <QHash>
#include <QString>

#include <span>

class MenuKeys;
class QAction;
class QActionGroup;
class QMenuBar;
class TfrmMain;

// Makes the menus of a menu table for the main window: a QMenu for every line that holds
// others, a QAction for every item, each named as its line. Items run their command through the
// error guard; menus run their opening rule and then the window's enabling rules as they open;
// items with a key are handed to the key dispatcher.
class MenuBuilder {
public:
    MenuBuilder(TfrmMain& window, MenuKeys& keys);

    // Level 0 goes into the bar when one is given; without one, level 0 makes pop-up menus.
    void build(std::span<const MenuLine> table, QMenuBar* bar);

    const QHash<QString, QAction*>& actions() const { return m_actions; }

    // The caption with the key shown after a tab, as the menus draw it.
    static QString itemText(const MenuLine& line);

private:
    QAction* makeItem(const MenuLine& line);

    TfrmMain& m_window;
    MenuKeys& m_keys;
    QHash<QString, QAction*> m_actions;
    QActionGroup* m_radioGroup = nullptr;
};
