#pragma once

#include <QString>

struct Platform;

// Plays one of the game's sounds, which lie beside the program, when `soundsSetting` (the
// setting Sounds as the start menu holds it) says sounds are on.
void playGameSound(Platform& platform, const QString& soundsSetting, const char* fileName);
