#pragma once

#include <QString>

struct GameplaySettings;
struct Platform;

// The game's three sounds: eat.WAV, die.WAV and hiscore.WAV beside the program.
enum class GameSound { Eat, Die, HighScore };

// Plays the game's sounds while the game's copy of the Sounds setting has them on: whoever asks
// for a sound need not know the setting.
class GameSounds {
public:
    GameSounds(Platform& platform, const GameplaySettings& settings)
        : m_platform(platform)
        , m_settings(settings)
    {}

    void play(GameSound sound) const;
    // Readies the three while the setting has them on, so that the first plays without delay.
    void prepare() const;

private:
    QString path(const char* file) const;

    Platform& m_platform;
    const GameplaySettings& m_settings;
};
