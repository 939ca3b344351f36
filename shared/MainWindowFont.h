#pragma once

class QWidget;

// The dialogs and shared windows look like the main window of their program: they take its font
// name, size and text colour, once, as they are created. The font's style (bold, italic) and
// every other colour stay the window's own, and so does the font of a control that has one of
// its own.
void takeMainWindowFont(QWidget* window, const QWidget* mainWindow);
