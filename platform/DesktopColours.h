#pragma once

#include <QColor>
#include <QtGlobal>

class QWidget;

// The stored colour values (ColourNames) as the desktop shows them.
namespace DesktopColours {

// The colour to show: a plain colour as it is, a system colour from the application's palette,
// and an invalid QColor, meaning "leave the widget's own colour", for clNone, clDefault and a
// system colour the palette has no counterpart for. As on the desktop the values were made for,
// any value with the top bit set is a system colour by its low byte, and any other value shows
// as its low three bytes.
QColor toQColor(quint32 colour);

// Gives the widget's text the stored colour; an invalid colour value gives the desktop's text
// colour back. Only text: frames, scroll bars and button faces keep the desktop's look, and
// disabled text its grey.
void applyTextColour(QWidget* widget, quint32 colour);

} // namespace DesktopColours
