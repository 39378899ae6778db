#include "GameSounds.h"

#include "engine/StartMenuMembers.h"
#include "platform/Platform.h"

namespace {

QLatin1String fileOf(GameSound sound)
{
    switch (sound) {
    case GameSound::Eat:
        return QLatin1String("eat.WAV");
    case GameSound::Die:
        return QLatin1String("die.WAV");
    case GameSound::HighScore:
        return QLatin1String("hiscore.WAV");
    }
    return {};
}

}  // namespace

void GameSounds::play(GameSound sound) const
{
    if (m_menu.settings.SoundsSetting)
        m_platform.sound.play(m_platform.facts.programFolder() + QLatin1Char('/') + fileOf(sound));
}
