#pragma once

#include <QString>

// The thirteen keys of the settings file that the settings dialog shows and writes, across the
// sections "General", "MainForm" and "ViewForm". Their defaults, some of them the dialog's own,
// stand in its table of keys.
struct SettingsFormKeys {
    bool tbFile = false;
    bool tbNevnap = false;
    bool Align = false; // the vertical layout
    bool StayOnTop = false;
    int Transparent = 0;
    int BackupTime = 0;
    bool Editor = false;
    bool EnablePast = false;
    QString MainFontName;
    int MainFontSize = 0;
    QString ViewFontName;
    int ViewFontSize = 0;
    QString UpdateServer;

    // Missing or unreadable keys give the defaults.
    static SettingsFormKeys read(const QString& path);

    // All thirteen, in the dialog's order, changed or not, in one write of the file. A file that
    // cannot be written raises RunError and keeps all its old keys.
    void write(const QString& path) const;
};
