#include "GameSounds.h"

#include "engine/GameplaySettings.h"
#include "platform/Platform.h"

namespace {

constexpr const char* Files[] = {"eat.WAV", "die.WAV", "hiscore.WAV"};

}  // namespace

void GameSounds::play(GameSound sound) const
{
    if (m_settings.SoundsSetting)
        m_platform.sound.play(m_platform.facts.programFolder() + QLatin1Char('/')
                              + QLatin1String(Files[int(sound)]));
}

void GameSounds::prepare() const
{
    if (!m_settings.SoundsSetting)
        return;
    QStringList paths;
    for (const char* file : Files)
        paths.append(m_platform.facts.programFolder() + QLatin1Char('/') + QLatin1String(file));
    m_platform.sound.prepare(paths);
}
