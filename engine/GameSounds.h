#pragma once

struct Platform;
struct StartMenuMembers;

// The game's three sounds, each a file beside the program.
enum class GameSound { Eat, Die, HighScore };

// Plays the game's sounds while the start menu's copy of the Sounds setting has them on: whoever
// asks for a sound need not know the setting.
class GameSounds {
public:
    GameSounds(Platform& platform, const StartMenuMembers& menu)
        : m_platform(platform)
        , m_menu(menu)
    {}

    void play(GameSound sound) const;

private:
    Platform& m_platform;
    const StartMenuMembers& m_menu;
};
