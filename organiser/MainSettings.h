#pragma once

#include "ProgramInfo.h"

#include <QString>

// Settings the organiser keeps for the whole run, read by the main window at start.
struct TMainSettings {
    bool EnablePast = false;     // stored: days whose dates have all passed stay selectable
    bool SaveEmptyLines = false; // for the run only
};

extern TMainSettings MainSettings;
extern QString HomePage;     // opened by the help menu's home-page item
extern QString UpdateServer; // base address of the update page

// The program's home page: the default of both addresses.
inline const QString DefaultHomePage = ProgramInfo::HomePage;
