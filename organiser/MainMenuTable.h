#pragma once

#include <span>

class QAction;
class QMenu;
class TfrmMain;

// One line of the main window's menus, as the window is designed. The lines of a table form a
// tree by their levels: a line followed by deeper lines is a menu that holds them. Level 0 is a
// menu of the menu bar, or a pop-up menu itself.
struct MenuLine {
    using Command = void (TfrmMain::*)();

    enum Flag : unsigned {
        Disabled = 1u << 0,  // off until a rule turns it on
        Checkable = 1u << 1, // carries a check mark that choosing the item turns over
        Checked = 1u << 2,   // checked as the window opens
        Radio = 1u << 3,     // one of the two layout items: checking one unchecks the other
    };

    int level = 0;
    const char* name = "";
    const char* caption = ""; // "-" for a separator
    const char* hint = "";
    const char* key = ""; // the shortcut key as the menu shows it; empty when none
    int image = -1;       // picture of the menu images; -1 when none
    unsigned flags = 0;
    Command command = nullptr; // an item's command, or what runs as a menu opens; may be none
    QAction* TfrmMain::*action = nullptr; // where the window keeps an item or a sub-menu
    QMenu* TfrmMain::*menu = nullptr;     // where the window keeps a menu of level 0

    bool isSeparator() const;
    bool has(Flag flag) const { return (flags & flag) != 0; }
};

namespace MainMenuTable {

// The menu bar's five menus with their items and sub-menus.
std::span<const MenuLine> mainMenu();

// The four pop-up menus (level 0) with their items.
std::span<const MenuLine> popupMenus();

// Whether the line at index holds the lines after it, that is, opens a menu.
bool opensMenu(std::span<const MenuLine> table, std::size_t index);

} // namespace MainMenuTable
