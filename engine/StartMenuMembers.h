#pragma once

#include "engine/GameplaySettings.h"

#include <QString>

// The start menu's members that the play window reads: the game's points per food and the
// copies of the gameplay settings, read at each load of the menu and changed by Apply.
struct StartMenuMembers {
    qint32 PointsPerFood = 0;
    QString DifficultyName;
    GameplaySettings settings;
};
