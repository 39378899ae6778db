#include "GameSounds.h"

#include "engine/GameplaySettings.h"
#include "platform/Platform.h"

namespace {

constexpr const char* Files[] = {"eat.WAV", "die.WAV", "hiscore.WAV"};

}  // namespace

QString GameSounds::path(const char* file) const
{
    return m_platform.facts.programFolder() + QLatin1Char('/') + QLatin1String(file);
}

void GameSounds::play(GameSound sound) const
{
    if (m_settings.SoundsSetting)
        m_platform.sound.play(path(Files[int(sound)]));
}

void GameSounds::prepare() const
{
    if (!m_settings.SoundsSetting)
        return;
    QStringList paths;
    for (const char* file : Files)
        paths.append(path(file));
    m_platform.sound.prepare(paths);
}
