#pragma once

#include "engine/ScenePainter.h"

#include <QImage>
#include <QRegion>

// A skinned board as it looks a little way into a game: a kriel of five cells turning a corner
// near the middle of the grid, the food a few cells ahead of it, the notifier round the head and
// the score of four pieces eaten at Medium.
Board previewBoard(Board skinned);

// The play window as the player sees it: the board drawn in its look inside `outline` (window
// pixels) and everything outside it transparent.
QImage renderPlayWindow(const Board& board, const PlayLook& look, const QRegion& outline,
                        const PixelScale& scale);
