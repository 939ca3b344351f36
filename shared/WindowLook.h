#pragma once

#include <QFont>

class QWidget;

// How the dialogs and shared windows take their place and their look.

// They look like the main window of their program: they take its font name, size and text
// colour, once, as they are created. The font's style (bold, italic) and
// every other colour stay the window's own, and so does the font of a control that has one of
// its own.
void takeMainWindowFont(QWidget* window, const QWidget* mainWindow);

// A control with a font of its own keeps that font whole, and the colour its text has now,
// whatever font and colour its window takes later.
void keepOwnLook(QWidget* control, QFont font);

// Puts the window in the middle of the desktop.
void centreOnDesktop(QWidget* window);
