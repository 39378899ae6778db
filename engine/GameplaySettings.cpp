#include "GameplaySettings.h"

#include "rules/SettingKeys.h"

using namespace SettingKeys;

namespace {

QString onOff(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

}  // namespace

GameplaySettings GameplaySettings::read(const SettingsStore& store)
{
    return {isOn(readSetting(store, Sounds)), isOn(readSetting(store, OnTop)),
            isOn(readSetting(store, Notify))};
}

void GameplaySettings::write(SettingsStore& store) const
{
    writeSettings(store, {{Sounds, onOff(SoundsSetting)},
                          {OnTop, onOff(OnTopSetting)},
                          {Notify, onOff(NotifySetting)}});
}
