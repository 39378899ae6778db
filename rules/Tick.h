#pragma once

#include "rules/Board.h"
#include "rules/KrielState.h"

class RandomSource;

struct TickResult {
    bool ate = false;   // the head reached the food: the kriel grew and scored
    bool died = false;  // the game is over: a wall, the kriel itself, or no free cell left for food

    bool operator==(const TickResult&) const = default;
};

// One step of the game on the board: the notifier's visibility, the move (unless paused), the
// wall and self tests (while collisions are on), and eating. A death ends the step at once;
// ending the game is the caller's.
TickResult Tick(Board& board, const KrielState& state, qint32 PointsPerFood, RandomSource& random);

// True when a tick would leave `board` as it is and report nothing: the kriel stands (paused, or
// one cell without a heading), the notifier is already as the tick would make it, and the head is
// neither outside, on the body nor on the food. A game may then sleep until a key changes that.
bool tickChangesNothing(const Board& board, const KrielState& state);

// True when the head has left the play area. The right-hand side is tested by exact equality
// with the first column outside, so a head off the grid passes it; the others by comparison.
bool CheckWalls(const Board& board);

// True when the head stands exactly where any body cell stands.
bool CheckSelf(const Board& board);

// Every body cell takes the place of the one ahead of it, and the head moves one grid step.
void moveKriel(Board& board, Heading Direction);
