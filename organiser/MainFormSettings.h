#pragma once

#include "WindowKeys.h"

#include <QString>

class TfrmMain;

// The main window's part of the settings file "Zimpa.ini": read once while the window is created,
// written when it closes. A value that cannot be read or written raises RunError, which stops at
// that key: the keys before it have taken effect.
class MainFormSettings {
public:
    static QString fileName() { return WindowKeys::fileName(); }

    // Sections "General" and "MainForm", applied to the window and the globals.
    static void load(TfrmMain& window, const QString& path);
    // Section "MainForm", from the live window.
    static void save(const TfrmMain& window, const QString& path);
};
