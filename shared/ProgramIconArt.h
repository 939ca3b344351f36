#pragma once

#include <QImage>

#include <array>

// The programs' own picture: a leaf of a desk calendar with a clock face. Drawn at build time
// into the pictures the programs carry (ProgramIcon) and into the desktop's icon theme; needs no
// running application.
namespace ProgramIconArt {

// The sizes title bars, task bars and menus ask for.
inline constexpr std::array<int, 7> Sizes{16, 22, 24, 32, 48, 64, 128};

QImage image(int size);

} // namespace ProgramIconArt
