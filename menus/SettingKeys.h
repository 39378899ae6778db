#pragma once

#include "platform/SettingsStore.h"

// Every value the game keeps between runs: its section, its key, and the default its usual reader
// passes. A reader with a default of its own says so at the call.
struct SettingKey {
    const char* section;
    const char* key;
    const char* fallback;
};

namespace SettingKeys {
// Section Config.
inline constexpr SettingKey WinX{"Config", "WinX", "200"};  // the play window's left edge, twips
inline constexpr SettingKey WinY{"Config", "WinY", "200"};
inline constexpr SettingKey Skin{"Config", "Skin", "Default"};  // a folder name inside Skins
inline constexpr SettingKey LastDiff{"Config", "LastDiff", "x"};
inline constexpr SettingKey Sounds{"Config", "Sounds", "1"};
inline constexpr SettingKey OnTop{"Config", "OnTop", "1"};
inline constexpr SettingKey Notify{"Config", "Notify", "1"};
// Written by Restore Defaults only; nothing reads them.
inline constexpr SettingKey Trans{"Config", "Trans", ""};
inline constexpr SettingKey TransLevel{"Config", "TransLevel", ""};
// Section HighScore: the record, enciphered. An absent Score reads as the plain "0".
inline constexpr SettingKey Name{"HighScore", "Name", ""};
inline constexpr SettingKey Score{"HighScore", "Score", "0"};
inline constexpr SettingKey Level{"HighScore", "Level", ""};
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

inline void writeSetting(SettingsStore& store, const SettingKey& key, const QString& value)
{
    store.write(QLatin1String(key.section), QLatin1String(key.key), value);
}

// Only this exact text means on.
inline bool isOn(const QString& value)
{
    return value == QLatin1String("1");
}
