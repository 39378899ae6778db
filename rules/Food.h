#pragma once

#include "rules/Board.h"

#include <QPointF>

class RandomSource;

// Where a random cell of the 19 × 19 grid stands: r1 picks the column, r2 the row, each in
// [0, 1), both by the play area's size and the head's width as the step.
QPointF randomCell(const Board& board, float r1, float r2);

// Moves the food to a cell of the play area that no body cell holds (the head is not counted),
// each free cell equally likely. False, with the food left where it was, when every cell is held.
bool PlaceFood(Board& board, RandomSource& random);
