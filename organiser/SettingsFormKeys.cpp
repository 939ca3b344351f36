#include "SettingsFormKeys.h"

#include "IniFile.h"
#include "MainSettings.h"

namespace {

const QString General = QStringLiteral("General");
const QString MainForm = QStringLiteral("MainForm");
const QString ViewForm = QStringLiteral("ViewForm");

} // namespace

SettingsFormKeys SettingsFormKeys::read(const QString& path) {
    const IniFile ini(path);
    const SettingsFormKeys defaults;
    SettingsFormKeys keys;
    keys.tbFile = ini.ReadBool(MainForm, QStringLiteral("tbFile"), defaults.tbFile);
    keys.tbNevnap = ini.ReadBool(MainForm, QStringLiteral("tbNevnap"), defaults.tbNevnap);
    keys.Align = ini.ReadBool(MainForm, QStringLiteral("Align"), defaults.Align);
    keys.StayOnTop = ini.ReadBool(MainForm, QStringLiteral("StayOnTop"), defaults.StayOnTop);
    keys.Transparent =
        ini.ReadInteger(ViewForm, QStringLiteral("Transparent"), defaults.Transparent);
    keys.BackupTime = ini.ReadInteger(General, QStringLiteral("BackupTime"), defaults.BackupTime);
    keys.Editor = ini.ReadBool(MainForm, QStringLiteral("Editor"), defaults.Editor);
    keys.EnablePast = ini.ReadBool(MainForm, QStringLiteral("EnablePast"), defaults.EnablePast);
    keys.MainFontName = ini.ReadString(MainForm, QStringLiteral("FontName"), defaults.MainFontName);
    keys.MainFontSize =
        ini.ReadInteger(MainForm, QStringLiteral("FontSize"), defaults.MainFontSize);
    keys.ViewFontName = ini.ReadString(ViewForm, QStringLiteral("FontName"), defaults.ViewFontName);
    keys.ViewFontSize =
        ini.ReadInteger(ViewForm, QStringLiteral("FontSize"), defaults.ViewFontSize);
    keys.UpdateServer = ini.ReadString(General, QStringLiteral("UpdateServer"), DefaultHomePage);
    return keys;
}

void SettingsFormKeys::write(const QString& path) const {
    // One locked read-modify-write of the file for all thirteen, so that a viewer closing at the
    // same moment loses none of its keys and none of these.
    IniFile ini(path);
    ini.BeginBatch();
    ini.WriteBool(MainForm, QStringLiteral("tbFile"), tbFile);
    ini.WriteBool(MainForm, QStringLiteral("tbNevnap"), tbNevnap);
    ini.WriteBool(MainForm, QStringLiteral("Align"), Align);
    ini.WriteBool(MainForm, QStringLiteral("StayOnTop"), StayOnTop);
    ini.WriteInteger(ViewForm, QStringLiteral("Transparent"), Transparent);
    ini.WriteInteger(General, QStringLiteral("BackupTime"), BackupTime);
    ini.WriteBool(MainForm, QStringLiteral("Editor"), Editor);
    ini.WriteBool(MainForm, QStringLiteral("EnablePast"), EnablePast);
    ini.WriteString(MainForm, QStringLiteral("FontName"), MainFontName);
    ini.WriteInteger(MainForm, QStringLiteral("FontSize"), MainFontSize);
    ini.WriteString(ViewForm, QStringLiteral("FontName"), ViewFontName);
    ini.WriteInteger(ViewForm, QStringLiteral("FontSize"), ViewFontSize);
    ini.WriteString(General, QStringLiteral("UpdateServer"), UpdateServer);
    ini.CommitBatch();
}
