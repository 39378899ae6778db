#pragma once

#include "engine/ScenePainter.h"

// The pixels of the window that may look different once the board has gone from `before` to
// `after` in the same look: what a repaint must cover, and no more. A kriel that moved one step
// changes only where its head went and where its tail left, since every other cell took the
// place of the one ahead of it, and, where it looks the same, its pixels too.
QRegion changedArea(const Board& before, const Board& after, const PlayLook& look,
                    const PixelScale& scale);
