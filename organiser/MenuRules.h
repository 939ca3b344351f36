#pragma once

#include "Kind.h"

#include <array>

// The main window's enabling rules as plain logic over what the window shows. Each rule gives
// the state of its items from scratch; the window sets them when its notifications run.
struct ListsState {
    int page = 0;                           // the active page, -1 when none
    std::array<bool, KindCount> selected{}; // the list of each kind has a highlighted line
    std::array<bool, KindCount> nonEmpty{}; // the list of each kind has a line
    int gridRows = 2;                       // rows of the reminder grid, the header included

    bool hasSelection(Kind kind) const { return selected[static_cast<int>(kind)]; }
    bool hasItems(Kind kind) const { return nonEmpty[static_cast<int>(kind)]; }
    bool onPage(Kind kind) const { return page == static_cast<int>(kind); }
};

namespace MenuRules {

// "Exportálás": any of the five lists has a line.
bool exportMenu(const ListsState& state);

// The main menu's print item: a reminder list has a selection and a reminder page is active.
bool printItem(const ListsState& state);

// Load, delete and view of "Időpont/Feladat": the appointment or task list has a selection and
// one of those two pages is active.
bool appointmentOrTaskCommands(const ListsState& state);

// Deleting a grid row: the grid holds more than the header and one row.
bool deleteRow(const ListsState& state);

// The three sub-menus of the edit menu: the active page's own list has a line.
bool editSubMenu1(const ListsState& state);
bool editSubMenu2(const ListsState& state);
bool editSubMenu3(const ListsState& state);

// "Betölt", "Töröl", "Megjelenítés..." of the reminder lists' pop-up menu: the active page's own
// reminder list has a selection.
bool listPopupCommands(const ListsState& state);

// The print button: as the print item, or a day page whose list has a line.
bool printButton(const ListsState& state);

} // namespace MenuRules
