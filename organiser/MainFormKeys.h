#pragma once

#include "MainSettings.h"
#include "WindowKeys.h"

// The main window's keys: its section "MainForm", and the two addresses of the section "General"
// that it reads at its start. The settings dialog writes some of them too.
struct MainFormKeys : WindowKeys {
    MainFormKeys()
        : WindowKeys(QStringLiteral("MainForm"), 544, 478)
        , HomePage{General, QStringLiteral("HomePage"), DefaultHomePage}
        , UpdateServer{General, QStringLiteral("UpdateServer"), DefaultHomePage}
        , EnablePast{Section, QStringLiteral("EnablePast"), false}
        , Align{Section, QStringLiteral("Align"), false}
        , Splitter{Section, QStringLiteral("Splitter"), 225}
        , tbFilePos{Section, QStringLiteral("tbFilePos"), 11}
        , tbNevnapPos{Section, QStringLiteral("tbNevnapPos"), 326}
        , ListEditor{Section, QStringLiteral("ListEditor"), true}
        , tbFile{Section, QStringLiteral("tbFile"), true}
        , tbNevnap{Section, QStringLiteral("tbNevnap"), true}
        , PageIndex{Section, QStringLiteral("PageIndex"), 0} {}

    inline static const QString General = QStringLiteral("General");

    SettingsKey<QString> HomePage;
    SettingsKey<QString> UpdateServer;
    SettingsKey<bool> EnablePast;
    SettingsKey<bool> Align; // true: the vertical layout
    SettingsKey<int> Splitter;
    SettingsKey<int> tbFilePos;
    SettingsKey<int> tbNevnapPos;
    SettingsKey<bool> ListEditor;
    SettingsKey<bool> tbFile;
    SettingsKey<bool> tbNevnap;
    SettingsKey<int> PageIndex;
};

inline const MainFormKeys MainKeys;
