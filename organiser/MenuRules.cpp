#include "MenuRules.h"

#include <algorithm>

namespace MenuRules {

namespace {

bool anyReminderSelected(const ListsState& state) {
    return state.hasSelection(Kind::Idopont) || state.hasSelection(Kind::Feladat) ||
           state.hasSelection(Kind::Feljegyzes);
}

bool onReminderPage(const ListsState& state) {
    return state.page >= 0 && state.page <= 2;
}

} // namespace

bool exportMenu(const ListsState& state) {
    return std::any_of(state.nonEmpty.begin(), state.nonEmpty.end(), [](bool b) { return b; });
}

bool printItem(const ListsState& state) {
    return anyReminderSelected(state) && onReminderPage(state);
}

bool appointmentOrTaskCommands(const ListsState& state) {
    return (state.hasSelection(Kind::Idopont) || state.hasSelection(Kind::Feladat)) &&
           (state.onPage(Kind::Idopont) || state.onPage(Kind::Feladat));
}

bool deleteRow(const ListsState& state) {
    return state.gridRows > 2;
}

bool editSubMenu1(const ListsState& state) {
    return (state.onPage(Kind::Idopont) && state.hasItems(Kind::Idopont)) ||
           (state.onPage(Kind::Feladat) && state.hasItems(Kind::Feladat));
}

bool editSubMenu2(const ListsState& state) {
    return state.onPage(Kind::Feljegyzes) && state.hasItems(Kind::Feljegyzes);
}

bool editSubMenu3(const ListsState& state) {
    return (state.onPage(Kind::Nevnap) && state.hasItems(Kind::Nevnap)) ||
           (state.onPage(Kind::Unnep) && state.hasItems(Kind::Unnep));
}

bool listPopupCommands(const ListsState& state) {
    return onReminderPage(state) && state.hasSelection(Kind(state.page));
}

bool printButton(const ListsState& state) {
    return printItem(state) || editSubMenu3(state);
}

} // namespace MenuRules
