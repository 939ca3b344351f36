#include "SettingsFormKeys.h"

#include "IniFile.h"

namespace {

const QString General = QStringLiteral("General");
const QString MainForm = QStringLiteral("MainForm");
const QString ViewForm = QStringLiteral("ViewForm");

// The thirteen keys in the dialog's order, which reading and writing both walk.
template <typename Keys, typename Visit> void eachKey(Keys& keys, Visit visit) {
    visit(MainForm, "tbFile", keys.tbFile);
    visit(MainForm, "tbNevnap", keys.tbNevnap);
    visit(MainForm, "Align", keys.Align);
    visit(MainForm, "StayOnTop", keys.StayOnTop);
    visit(ViewForm, "Transparent", keys.Transparent);
    visit(General, "BackupTime", keys.BackupTime);
    visit(MainForm, "Editor", keys.Editor);
    visit(MainForm, "EnablePast", keys.EnablePast);
    visit(MainForm, "FontName", keys.MainFontName);
    visit(MainForm, "FontSize", keys.MainFontSize);
    visit(ViewForm, "FontName", keys.ViewFontName);
    visit(ViewForm, "FontSize", keys.ViewFontSize);
    visit(General, "UpdateServer", keys.UpdateServer);
}

// Each value goes in holding its default.
void readKey(const IniFile& ini, const QString& section, const char* key, bool& value) {
    value = ini.ReadBool(section, QLatin1String(key), value);
}
void readKey(const IniFile& ini, const QString& section, const char* key, int& value) {
    value = ini.ReadInteger(section, QLatin1String(key), value);
}
void readKey(const IniFile& ini, const QString& section, const char* key, QString& value) {
    value = ini.ReadString(section, QLatin1String(key), value);
}

void writeKey(IniFile& ini, const QString& section, const char* key, bool value) {
    ini.WriteBool(section, QLatin1String(key), value);
}
void writeKey(IniFile& ini, const QString& section, const char* key, int value) {
    ini.WriteInteger(section, QLatin1String(key), value);
}
void writeKey(IniFile& ini, const QString& section, const char* key, const QString& value) {
    ini.WriteString(section, QLatin1String(key), value);
}

} // namespace

SettingsFormKeys SettingsFormKeys::read(const QString& path) {
    const IniFile ini(path);
    SettingsFormKeys keys;
    eachKey(keys, [&ini](const QString& section, const char* key, auto& value) {
        readKey(ini, section, key, value);
    });
    return keys;
}

void SettingsFormKeys::write(const QString& path) const {
    // One locked read-modify-write of the file for all thirteen, so that a viewer closing at the
    // same moment loses none of its keys and none of these.
    IniFile ini(path);
    ini.BeginBatch();
    eachKey(*this, [&ini](const QString& section, const char* key, const auto& value) {
        writeKey(ini, section, key, value);
    });
    ini.CommitBatch();
}
