#pragma once

class QPainter;

// The save command's picture, a diskette, drawn on a 16 by 16 grid: the organiser's menu and tool
// bar (drawn at build time) and the viewer's menu show this one.
namespace DiskettePicture {

// Needs no running application: the build draws the organiser's pictures with it.
void draw(QPainter& painter);

} // namespace DiskettePicture
