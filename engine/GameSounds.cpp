#include "GameSounds.h"

#include "engine/GameplaySettings.h"
#include "platform/Platform.h"

void GameSounds::play(GameSound sound) const
{
    static constexpr const char* files[] = {"eat.WAV", "die.WAV", "hiscore.WAV"};
    if (m_settings.SoundsSetting)
        m_platform.sound.play(m_platform.facts.programFolder() + QLatin1Char('/')
                              + QLatin1String(files[int(sound)]));
}
