#pragma once

#include "engine/GameSounds.h"
#include "engine/StartMenuMembers.h"
#include "layouts/Form.h"

// The start menu as the other windows see it: a dialog holding, for the whole run, the choices of
// the game in progress, and the player of the game's sounds, which follows the menu's copy of the
// Sounds setting.
class StartMenu : public Form, public StartMenuMembers {
public:
    StartMenu(Platform& platform, DialogLayout layout)
        : Form(platform, std::move(layout))
        , sounds(platform, *this)
    {}

    const GameSounds sounds;
};
