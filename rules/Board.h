#pragma once

#include "rules/Twips.h"

#include <QtGlobal>

#include <vector>

// What the game's rules change on the play window's face, in twips from the window's top-left
// corner; how it looks is the skin's. The places a skin gives (the play area's corner, the cell
// size) are set on it before a game starts.
struct Board {
    TwipsRect shprect;                // the play area: a grid of 19 × 19 cells
    std::vector<TwipsRect> shpkriel;  // element 0 is the head; the body follows in order from it
    TwipsRect shpfood;
    TwipsRect shpZip;  // the notifier, shown round the head until the kriel first moves
    bool notifierShown = false;
    qint64 score = 0;  // what the score label shows

    const TwipsRect& head() const { return shpkriel.front(); }
    TwipsRect& head() { return shpkriel.front(); }

    bool operator==(const Board&) const = default;
};
