#pragma once

#include "rules/Board.h"

#include <QString>

// The play window's caption, which its window keeps whatever the skin.
inline const QString PlayWindowCaption = QStringLiteral("Kriel");

// The first tick comes this many milliseconds after the window loads.
inline constexpr int Timer1DesignInterval = 1;

// The places of the play window's controls as its layout gives them, before any skin: the play
// area, a head of one cell, the food, the notifier (shown) and a score of 0.
Board playWindowBoard();
