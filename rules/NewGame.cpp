#include "NewGame.h"

#include "platform/RandomSource.h"
#include "rules/Food.h"

static QPointF freshRandomCell(const Board& board, RandomSource& random)
{
    random.reseed();
    const float r1 = random.next();
    const float r2 = random.next();
    return randomCell(board, r1, r2);
}

void NewGame(Board& board, KrielState& state, RandomSource& random)
{
    board.score = 0;

    const QPointF food = freshRandomCell(board, random);
    board.shpfood.top = float(food.y());
    board.shpfood.left = float(food.x());

    const QPointF head = freshRandomCell(board, random);
    board.head().top = float(head.y());
    board.head().left = float(head.x());

    state.CollisionsOn = 1;
}

void ShowNotifier(Board& board)
{
    const TwipsRect& head = board.head();
    board.notifierShown = true;
    board.shpZip = {head.left - 30, head.top - 30, head.width + 60, head.height + 60};
}
