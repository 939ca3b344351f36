#pragma once

#include <QIcon>

// The programs' own picture (ProgramIconArt), shown in the title bars, the boxes and the
// desktop's menus. Drawn at build time: drawing its seven sizes anew took a start a good part of
// what a bare window's whole start takes.
namespace ProgramIcon {

// The picture at the sizes title bars, task bars and menus ask for.
QIcon icon();

} // namespace ProgramIcon
