#include "Food.h"

#include "platform/RandomSource.h"
#include "rules/Grid.h"

#include <array>
#include <cmath>

namespace {

// The column (or row) a random value picks: the integer part of r × extent, in steps.
float randomIndex(float r, float extent, float step)
{
    return std::floor(std::floor(r * extent) / step);
}

// The column (or row) whose place is exactly `position`, or -1 for a place off the grid.
int gridIndex(float position, float origin, float step)
{
    const float index = std::round((position - origin) / step);
    if (!(index >= 0 && index < GridCells))
        return -1;
    return index * step + origin == position ? int(index) : -1;
}

}  // namespace

QPointF randomCell(const Board& board, float r1, float r2)
{
    const float step = board.head().width;
    const TwipsRect& area = board.shprect;
    return {randomIndex(r1, area.width, step) * step + area.left,
            randomIndex(r2, area.height, step) * step + area.top};
}

bool PlaceFood(Board& board, RandomSource& random)
{
    const float step = board.head().width;
    const TwipsRect& area = board.shprect;

    std::array<bool, GridCells * GridCells> held{};
    int heldCount = 0;
    for (std::size_t i = 1; i < board.shpkriel.size(); ++i) {
        const TwipsRect& cell = board.shpkriel[i];
        const int column = gridIndex(cell.left, area.left, step);
        const int row = gridIndex(cell.top, area.top, step);
        if (column >= 0 && row >= 0 && !held[row * GridCells + column]) {
            held[row * GridCells + column] = true;
            ++heldCount;
        }
    }

    random.reseed();
    const float r1 = random.next();
    const float r2 = random.next();
    int column = int(randomIndex(r1, area.width, step));
    int row = int(randomIndex(r2, area.height, step));

    // Drawing again until a free cell comes up would never end on a full grid. Falling back to
    // one draw among the free cells keeps every free cell equally likely: 1/361 from the first
    // draw, plus held/361 × 1/free from the second, which is 1/free.
    if (held[row * GridCells + column]) {
        const int freeCount = GridCells * GridCells - heldCount;
        if (freeCount == 0)
            return false;
        random.reseed();
        int wanted = std::min(int(random.next() * float(freeCount)), freeCount - 1);
        for (int cell = 0; cell < GridCells * GridCells; ++cell) {
            if (!held[cell] && wanted-- == 0) {
                column = cell % GridCells;
                row = cell / GridCells;
                break;
            }
        }
    }

    const float PosX = float(column) * step + area.left;
    const float PosY = float(row) * step + area.top;
    board.shpfood.top = PosY;
    board.shpfood.left = PosX;
    return true;
}
