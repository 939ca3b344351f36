#pragma once

#include <QIcon>
#include <QList>

// The viewer window's pictures, drawn by the program itself.
namespace ViewImages {

// The pop-up menu's pictures: 0 reload, 1 save, 2 about, 3 close; a null icon for any other.
QIcon menuImage(int index);

// The two notification-area images: 0 the viewer at rest, 1 the same calling attention.
QList<QIcon> trayImages();

} // namespace ViewImages
