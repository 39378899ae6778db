#pragma once

#include <QString>

// The start menu's members that the play window reads: the game's points per food and the
// in-memory copies of three settings ("1" means on, anything else off).
struct StartMenuMembers {
    qint32 PointsPerFood = 0;
    QString DifficultyName;
    QString SoundsSetting;
    QString OnTopSetting;
    QString NotifySetting;
};
