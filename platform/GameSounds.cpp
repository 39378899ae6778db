#include "GameSounds.h"

#include "Platform.h"
#include "SettingKeys.h"

void playGameSound(Platform& platform, const QString& soundsSetting, const char* fileName)
{
    if (isOn(soundsSetting))
        platform.sound.play(platform.facts.programFolder() + QLatin1Char('/')
                            + QLatin1String(fileName));
}
