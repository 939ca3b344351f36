#pragma once

class QWidget;

// How the dialogs and shared windows take their place and their look.

// They look like the main window of their program: they take its font name, size and text
// colour, once, as they are created. The font's style (bold, italic) and
// every other colour stay the window's own, and so does the font of a control that has one of
// its own.
void takeMainWindowFont(QWidget* window, const QWidget* mainWindow);

// Puts the window in the middle of the desktop.
void centreOnDesktop(QWidget* window);
