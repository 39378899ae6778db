#pragma once

#include "engine/GameSounds.h"
#include "engine/GameplaySettings.h"
#include "layouts/Form.h"

// The start menu as the other windows see it: a dialog holding, for the whole run, the choices of
// the game in progress, the copies of the gameplay settings (read at each load of the menu and
// changed by Apply), and the player of the game's sounds, which follows those copies.
class StartMenu : public Form {
public:
    StartMenu(Platform& platform, DialogLayout layout)
        : Form(platform, std::move(layout))
        , sounds(platform, settings)
    {}

    qint32 PointsPerFood = 0;
    QString DifficultyName;
    GameplaySettings settings;
    const GameSounds sounds;
};
