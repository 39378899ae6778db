#pragma once

#include "engine/KrielState.h"
#include "layouts/PlayWindowLayout.h"

class RandomSource;

// Sets up the board: the score back to "0", the food and the head each on a random cell (the same
// cell now and then), collisions on. The heading, the pause and the notifier stay as they are.
void NewGame(PlayWindowScene& scene, KrielState& state, RandomSource& random);

// Shows the notifier around the head: a box reaching 30 twips beyond it on every side.
void ShowNotifier(PlayWindowScene& scene);
