#pragma once

#include "MainSettings.h"

#include <QString>

// The thirteen keys of the settings file that the settings dialog shows and writes, across the
// sections "General", "MainForm" and "ViewForm", with the dialog's own defaults.
struct SettingsFormKeys {
    bool tbFile = true;
    bool tbNevnap = true;
    bool Align = true; // the vertical layout
    bool StayOnTop = true;
    int Transparent = 0;
    int BackupTime = 300;
    bool Editor = true;
    bool EnablePast = true;
    QString MainFontName = QStringLiteral("Arial");
    int MainFontSize = 10;
    QString ViewFontName = QStringLiteral("Arial");
    int ViewFontSize = 10;
    QString UpdateServer = DefaultHomePage; // the program's home page

    // Missing or unreadable keys give the defaults above.
    static SettingsFormKeys read(const QString& path);

    // All thirteen, in the dialog's order, changed or not, in one write of the file. A file that
    // cannot be written raises RunError and keeps all its old keys.
    void write(const QString& path) const;
};
