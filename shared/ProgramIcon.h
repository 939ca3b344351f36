#pragma once

#include <QIcon>

// The programs' own picture (ProgramIconArt), shown in the title bars, the boxes and the
// desktop's menus. Drawn by the build: drawing its seven sizes anew took every start a good part
// of what a bare window's whole start takes.
namespace ProgramIcon {

// The picture at each of ProgramIconArt::Sizes.
QIcon icon();

} // namespace ProgramIcon
