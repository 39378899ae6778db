#pragma once

#include "platform/SettingsStore.h"

#include <QCoreApplication>

#include <initializer_list>
#include <utility>

// Every value the game keeps between runs: its section, its key, the default its usual reader
// passes (a reader with a default of its own says so at the call), and what Restore Defaults
// writes (nullptr: it leaves the value alone).
struct SettingKey {
    const char* section;
    const char* key;
    const char* fallback;
    const char* restored = nullptr;
};

namespace SettingKeys {
// Section Config.
inline constexpr SettingKey WinX{"Config", "WinX", "200", "200"};  // the play window's left, twips
inline constexpr SettingKey WinY{"Config", "WinY", "200", "200"};
inline constexpr SettingKey Skin{"Config", "Skin", "Default", "Default"};  // a skin's folder name
inline constexpr SettingKey LastDiff{"Config", "LastDiff", "x", "Medium"};
inline constexpr SettingKey Sounds{"Config", "Sounds", "1", "1"};
inline constexpr SettingKey OnTop{"Config", "OnTop", "1", "1"};
inline constexpr SettingKey Notify{"Config", "Notify", "1", "1"};
// Written by Restore Defaults only; nothing reads them.
inline constexpr SettingKey Trans{"Config", "Trans", "", "0"};
inline constexpr SettingKey TransLevel{"Config", "TransLevel", "", "255"};
// Section HighScore: the record, enciphered. An absent Score reads as the plain "0".
inline constexpr SettingKey Name{"HighScore", "Name", ""};
inline constexpr SettingKey Score{"HighScore", "Score", "0"};
inline constexpr SettingKey Level{"HighScore", "Level", ""};

// What Restore Defaults writes, in the order it writes them.
inline constexpr SettingKey Restored[] = {LastDiff, Skin,       Sounds, OnTop, Notify,
                                          Trans,    TransLevel, WinX,   WinY};
}  // namespace SettingKeys

inline QString readSetting(const SettingsStore& store, const SettingKey& key,
                           const QString& fallback)
{
    return store.read(QLatin1String(key.section), QLatin1String(key.key), fallback);
}

inline QString readSetting(const SettingsStore& store, const SettingKey& key)
{
    return readSetting(store, key, QLatin1String(key.fallback));
}

inline SettingValue settingValue(const SettingKey& key, const QString& value)
{
    return {QLatin1String(key.section), QLatin1String(key.key), value};
}

// Values saved together; false when the store could not save them.
inline bool writeSettings(SettingsStore& store,
                          std::initializer_list<std::pair<SettingKey, QString>> values)
{
    QList<SettingValue> all;
    for (const auto& [key, value] : values)
        all.append(settingValue(key, value));
    return store.writeAll(all);
}

// Every value Restore Defaults returns to its default, saved together; false when not saved.
inline bool writeDefaults(SettingsStore& store)
{
    QList<SettingValue> all;
    for (const SettingKey& key : SettingKeys::Restored)
        all.append(settingValue(key, QLatin1String(key.restored)));
    return store.writeAll(all);
}

// What the player is told when the store could not be saved.
inline QString notSavedMessage(const SettingsStore& store)
{
    //: %1 is the settings file.
    return QCoreApplication::translate(
               "SettingsStore",
               "The settings could not be saved to %1. The game goes on with them until it ends.")
        .arg(store.location());
}

// Only this exact text means on.
inline bool isOn(const QString& value)
{
    return value == QLatin1String("1");
}
