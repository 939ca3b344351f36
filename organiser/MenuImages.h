#pragma once

#include <QIcon>

// The pictures of the menus and of the operations tool bar, drawn for this program and built
// into it as resources.
namespace MenuImages {

// By the menus' picture index: 0 new, 2 save, 3 print, 5 about, 6 exit, 7 help contents.
// A null icon for any other index.
QIcon menuImage(int index);

// By the tool bar's picture index: 0 new, 1 save, 2 print.
QIcon toolBarImage(int index);

} // namespace MenuImages
