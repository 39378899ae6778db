#pragma once

class SettingsStore;

// The three gameplay options as the game holds them for the run, apart from the store: a value
// not saved still holds until the program ends. Each is on when its stored text is exactly "1".
struct GameplaySettings {
    bool SoundsSetting = false;
    bool OnTopSetting = false;
    bool NotifySetting = false;

    static GameplaySettings read(const SettingsStore& store);
    // Saved together as "1" or "0": Sounds, OnTop, Notify.
    void write(SettingsStore& store) const;

    bool operator==(const GameplaySettings&) const = default;
};
