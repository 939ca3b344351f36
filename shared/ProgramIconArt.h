#pragma once

#include <QImage>

// The programs' own picture: a leaf of a desk calendar with a clock face. Drawn at build time
// into the pictures the programs carry (ProgramIcon) and the desktop entry's; needs no running
// application.
namespace ProgramIconArt {

QImage image(int size);

} // namespace ProgramIconArt
