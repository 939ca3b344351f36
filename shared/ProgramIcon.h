#pragma once

#include <QIcon>
#include <QImage>

// The programs' own picture: a leaf of a desk calendar with a clock face, shown in the title bars,
// the boxes and the desktop's menus. Drawn by the program itself, at every size asked for.
namespace ProgramIcon {

// Needs no running application: the build draws the desktop entry's picture with it.
QImage image(int size);

// The picture at the sizes title bars, task bars and menus ask for.
QIcon icon();

} // namespace ProgramIcon
