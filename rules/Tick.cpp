#include "Tick.h"

#include "rules/Food.h"

void moveKriel(Board& board, Heading Direction)
{
    std::vector<TwipsRect>& cells = board.shpkriel;
    const float step = cells.front().width;
    for (std::size_t i = cells.size() - 1; i >= 1; --i)
        cells[i].left = cells[i - 1].left;
    if (Direction == Heading::Right)
        cells.front().left += step;
    else if (Direction == Heading::Left)
        cells.front().left -= step;
    for (std::size_t i = cells.size() - 1; i >= 1; --i)
        cells[i].top = cells[i - 1].top;
    if (Direction == Heading::Down)
        cells.front().top += step;
    else if (Direction == Heading::Up)
        cells.front().top -= step;
}

bool CheckWalls(const Board& board)
{
    const TwipsRect& head = board.head();
    const TwipsRect& area = board.shprect;
    if (head.left < area.left || head.left == area.left + area.width)
        return true;
    return head.top < area.top || head.top >= area.top + area.height;
}

bool CheckSelf(const Board& board)
{
    const TwipsRect& head = board.head();
    for (std::size_t i = 1; i < board.shpkriel.size(); ++i) {
        const TwipsRect& cell = board.shpkriel[i];
        if (cell.top == head.top && cell.left == head.left)
            return true;
    }
    return false;
}

namespace {

// The tick up to eating: the notifier, the move, and the wall and self tests. True when the
// kriel died.
bool moveAndTest(Board& board, const KrielState& state)
{
    // Hidden while the kriel moves; shown again in the same step while it is paused with a
    // heading, so it stays up through a pause.
    if (state.Direction != Heading::None)
        board.notifierShown = false;
    if (state.Paused == 1 && state.Direction != Heading::None)
        board.notifierShown = true;

    if (state.Paused == 0)
        moveKriel(board, state.Direction);

    return state.CollisionsOn == 1 && (CheckWalls(board) || CheckSelf(board));
}

bool headOnFood(const Board& board)
{
    return board.shpfood.top == board.head().top && board.shpfood.left == board.head().left;
}

}  // namespace

TickResult Tick(Board& board, const KrielState& state, qint32 PointsPerFood, RandomSource& random)
{
    if (moveAndTest(board, state))
        return {.ate = false, .died = true};
    if (!headOnFood(board))
        return {};

    // The new cell lies under the head; the next move leaves it behind as the new tail.
    board.shpkriel.push_back(board.head());
    const bool placed = PlaceFood(board, random);
    board.score += PointsPerFood;
    return {.ate = true, .died = !placed};
}

bool tickChangesNothing(const Board& board, const KrielState& state)
{
    // A kriel on the move always changes the board: no copy to find that out at every tick.
    if (state.Paused == 0 && state.Direction != Heading::None)
        return false;
    Board next = board;
    return !moveAndTest(next, state) && !headOnFood(next) && next == board;
}
