#pragma once

#include "rules/Board.h"
#include "rules/KrielState.h"

class RandomSource;

// Sets up the board: the score back to 0, the food and the head each on a random cell (the same
// cell now and then), collisions on. The heading, the pause and the notifier stay as they are.
void NewGame(Board& board, KrielState& state, RandomSource& random);

// Shows the notifier around the head: a box reaching 30 twips beyond it on every side.
void ShowNotifier(Board& board);
