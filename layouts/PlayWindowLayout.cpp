#include "PlayWindowLayout.h"

Board playWindowBoard()
{
    Board board;
    board.shprect = {960, 840, 4800, 4800};
    board.shpkriel = {{3840, 3960, 225, 225}};
    board.shpfood = {4680, 3960, 240, 240};
    board.shpZip = {6120, 1560, 375, 375};
    board.notifierShown = true;
    return board;
}
