#include "MenuRules.h"

#include <gtest/gtest.h>

namespace {

ListsState on(int page) {
    ListsState state;
    state.page = page;
    return state;
}

ListsState& select(ListsState& state, Kind kind) {
    state.selected[static_cast<int>(kind)] = true;
    state.nonEmpty[static_cast<int>(kind)] = true;
    return state;
}

ListsState& fill(ListsState& state, Kind kind) {
    state.nonEmpty[static_cast<int>(kind)] = true;
    return state;
}

} // namespace

TEST(MenuRules, PrintItemNeedsAReminderSelectionAndAReminderPage) {
    for (const Kind kind : {Kind::Idopont, Kind::Feladat, Kind::Feljegyzes}) {
        for (int page = 0; page <= 2; ++page) {
            ListsState state = on(page);
            EXPECT_TRUE(MenuRules::printItem(select(state, kind))) << page;
        }
        for (int page : {3, 4, -1}) {
            ListsState state = on(page);
            EXPECT_FALSE(MenuRules::printItem(select(state, kind))) << page;
        }
    }
    ListsState days = on(0);
    select(days, Kind::Nevnap);
    select(days, Kind::Unnep);
    fill(days, Kind::Idopont);
    EXPECT_FALSE(MenuRules::printItem(days));
}

TEST(MenuRules, AppointmentAndTaskCommandsNeedOneOfTheirListsAndPages) {
    ListsState appointmentOnTasks = on(1);
    EXPECT_TRUE(MenuRules::appointmentOrTaskCommands(select(appointmentOnTasks, Kind::Idopont)));
    ListsState taskOnAppointments = on(0);
    EXPECT_TRUE(MenuRules::appointmentOrTaskCommands(select(taskOnAppointments, Kind::Feladat)));
    ListsState onNotes = on(2);
    EXPECT_FALSE(MenuRules::appointmentOrTaskCommands(select(onNotes, Kind::Idopont)));
    ListsState noteSelected = on(0);
    EXPECT_FALSE(MenuRules::appointmentOrTaskCommands(select(noteSelected, Kind::Feljegyzes)));
    ListsState filledOnly = on(0);
    EXPECT_FALSE(MenuRules::appointmentOrTaskCommands(fill(filledOnly, Kind::Idopont)));
}

TEST(MenuRules, RowDeletionNeedsMoreThanTheHeaderAndOneRow) {
    ListsState state;
    for (const auto& [rows, enabled] :
         {std::pair{0, false}, {1, false}, {2, false}, {3, true}, {256, true}}) {
        state.gridRows = rows;
        EXPECT_EQ(MenuRules::deleteRow(state), enabled) << rows;
    }
}

TEST(MenuRules, EditSubMenusFollowTheActivePagesOwnList) {
    for (int page = 0; page < 5; ++page) {
        ListsState all = on(page);
        for (int kind = 0; kind < KindCount; ++kind)
            fill(all, Kind(kind));
        EXPECT_EQ(MenuRules::editSubMenu1(all), page == 0 || page == 1) << page;
        EXPECT_EQ(MenuRules::editSubMenu2(all), page == 2) << page;
        EXPECT_EQ(MenuRules::editSubMenu3(all), page == 3 || page == 4) << page;

        // Every list but the page's own has lines.
        ListsState others = all;
        if (page < KindCount)
            others.nonEmpty[page] = false;
        EXPECT_FALSE(MenuRules::editSubMenu1(others) || MenuRules::editSubMenu2(others) ||
                     MenuRules::editSubMenu3(others))
            << page;
    }
}

TEST(MenuRules, ListPopupCommandsNeedTheActivePagesOwnSelection) {
    ListsState appointmentOnTasks = on(1);
    EXPECT_FALSE(MenuRules::listPopupCommands(select(appointmentOnTasks, Kind::Idopont)));
    for (int page = 0; page <= 2; ++page) {
        ListsState own = on(page);
        EXPECT_TRUE(MenuRules::listPopupCommands(select(own, Kind(page)))) << page;
    }
    ListsState dayPage = on(3);
    EXPECT_FALSE(MenuRules::listPopupCommands(select(dayPage, Kind::Nevnap)));
    ListsState noPage = on(-1);
    select(noPage, Kind::Idopont);
    EXPECT_FALSE(MenuRules::listPopupCommands(noPage));
}

TEST(MenuRules, PrintButtonAlsoPrintsADayPageWithALine) {
    ListsState nameDays = on(3);
    EXPECT_FALSE(MenuRules::printButton(nameDays));
    EXPECT_TRUE(MenuRules::printButton(fill(nameDays, Kind::Nevnap)));
    // The other day list does not count.
    ListsState holidaysOnNameDays = on(3);
    EXPECT_FALSE(MenuRules::printButton(fill(holidaysOnNameDays, Kind::Unnep)));
    ListsState holidays = on(4);
    EXPECT_TRUE(MenuRules::printButton(fill(holidays, Kind::Unnep)));
    // A selected reminder does not print from a day page.
    ListsState reminderOnDays = on(4);
    EXPECT_FALSE(MenuRules::printButton(select(reminderOnDays, Kind::Idopont)));
    ListsState reminder = on(2);
    EXPECT_TRUE(MenuRules::printButton(select(reminder, Kind::Feladat)));
    ListsState unselected = on(0);
    EXPECT_FALSE(MenuRules::printButton(fill(unselected, Kind::Idopont)));
}

TEST(MenuRules, ExportNeedsALineInAnyList) {
    ListsState empty = on(0);
    EXPECT_FALSE(MenuRules::exportMenu(empty));
    for (int kind = 0; kind < KindCount; ++kind) {
        ListsState one = on(0);
        EXPECT_TRUE(MenuRules::exportMenu(fill(one, Kind(kind)))) << kind;
    }
}
