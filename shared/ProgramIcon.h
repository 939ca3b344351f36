#pragma once

#include <QIcon>
#include <QImage>

#include <array>

// The programs' own picture: a leaf of a desk calendar with a clock face, shown in the title bars,
// the boxes and the desktop's menus. Drawn by the program itself, at every size asked for.
namespace ProgramIcon {

// The sizes title bars, task bars and menus ask for; the build lays the picture down in the
// desktop's icon theme at each of them.
inline constexpr std::array<int, 7> Sizes{16, 22, 24, 32, 48, 64, 128};

// Needs no running application: the build draws the icon theme's pictures with it.
QImage image(int size);

// The picture at each of the Sizes.
QIcon icon();

} // namespace ProgramIcon
