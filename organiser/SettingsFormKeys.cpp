#include "SettingsFormKeys.h"

#include "IniFile.h"
#include "MainFormKeys.h"

namespace {

// The thirteen keys in the dialog's order, which reading and writing both walk. The keys it
// shares with the windows keep their names; some have defaults of the dialog's own.
template <typename Keys, typename Visit> void eachKey(Keys& keys, Visit visit) {
    const MainFormKeys& main = MainKeys;
    const ViewFormKeys& view = ViewKeys;
    visit(main.tbFile, keys.tbFile);
    visit(main.tbNevnap, keys.tbNevnap);
    visit(main.Align.withDefault(true), keys.Align);
    visit(main.StayOnTop.withDefault(true), keys.StayOnTop);
    visit(view.Transparent, keys.Transparent);
    visit(SettingsKey<int>{MainFormKeys::General, QStringLiteral("BackupTime"), 300},
          keys.BackupTime);
    // The dialog's reminder-editor option, which the main window's menu item does not share.
    visit(SettingsKey<bool>{main.Section, QStringLiteral("Editor"), true}, keys.Editor);
    visit(main.EnablePast.withDefault(true), keys.EnablePast);
    visit(main.FontName, keys.MainFontName);
    visit(main.FontSize.withDefault(10), keys.MainFontSize);
    visit(view.FontName, keys.ViewFontName);
    visit(view.FontSize.withDefault(10), keys.ViewFontSize);
    visit(main.UpdateServer, keys.UpdateServer);
}

} // namespace

SettingsFormKeys SettingsFormKeys::read(const QString& path) {
    const IniFile ini(path);
    SettingsFormKeys keys;
    eachKey(keys, [&ini](const auto& key, auto& value) { value = key.read(ini); });
    return keys;
}

void SettingsFormKeys::write(const QString& path) const {
    // One locked read-modify-write of the file for all thirteen, so that a viewer closing at the
    // same moment loses none of its keys and none of these.
    IniFile ini(path);
    ini.BeginBatch();
    eachKey(*this, [&ini](const auto& key, const auto& value) { key.write(ini, value); });
    ini.CommitBatch();
}
