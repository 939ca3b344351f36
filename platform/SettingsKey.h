#pragma once

#include "IniFile.h"

#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <type_traits>
#include <utility>

// One key of the settings file: its section, its name and the default its reader passes. The
// value type says how IniFile reads and writes it: QString a string, int an integer, bool a
// boolean, quint32 a colour (which raises RunError on text that is no colour).
template <typename T> struct SettingsKey {
    static_assert(std::is_same_v<T, QString> || std::is_same_v<T, int> || std::is_same_v<T, bool> ||
                      std::is_same_v<T, quint32>,
                  "a settings value is a string, an integer, a boolean or a colour");

    QString section;
    QString name;
    T defaultValue;

    // The same key as another reader sees it, with that reader's own default.
    SettingsKey withDefault(T other) const { return {section, name, std::move(other)}; }

    T read(const IniFile& ini) const {
        if constexpr (std::is_same_v<T, QString>)
            return ini.ReadString(section, name, defaultValue);
        else if constexpr (std::is_same_v<T, int>)
            return ini.ReadInteger(section, name, defaultValue);
        else if constexpr (std::is_same_v<T, bool>)
            return ini.ReadBool(section, name, defaultValue);
        else
            return ini.ReadColour(section, name, defaultValue);
    }

    void write(IniFile& ini, const T& value) const {
        if constexpr (std::is_same_v<T, QString>)
            ini.WriteString(section, name, value);
        else if constexpr (std::is_same_v<T, int>)
            ini.WriteInteger(section, name, value);
        else if constexpr (std::is_same_v<T, bool>)
            ini.WriteBool(section, name, value);
        else
            ini.WriteColour(section, name, value);
    }
};

// A window's table of keys is a function that calls visit(key, apply, current) for each key in
// the order of the file: apply(window, value) takes the value read, current(window) gives the
// value to write, or is nullptr for a key the window only reads. Loading and saving both walk it.
namespace SettingsTable {

// Each key takes effect as it is read: a colour that is none raises RunError at its key, and
// the keys before it stay applied.
template <typename Table, typename Window>
void load(Table eachKey, const IniFile& ini, Window& window) {
    eachKey([&](const auto& key, auto apply, auto) { apply(window, key.read(ini)); });
}

// All the keys the window writes, in one locked write of the file.
template <typename Table, typename Window>
void save(Table eachKey, IniFile& ini, const Window& window) {
    ini.BeginBatch();
    eachKey([&](const auto& key, auto, auto current) {
        if constexpr (!std::is_null_pointer_v<decltype(current)>)
            key.write(ini, current(window));
    });
    ini.CommitBatch();
}

} // namespace SettingsTable
