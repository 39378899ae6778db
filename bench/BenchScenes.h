#pragma once

#include "layouts/PlayWindowLayout.h"
#include "rules/Board.h"
#include "rules/KrielState.h"
#include "skins/PlayLook.h"
#include "skins/SkinReader.h"

#include <QPoint>
#include <QRegion>
#include <QString>

#include <optional>
#include <vector>

// A closed walk through 360 of the 19 × 19 cells, each next to the one before and the last next
// to the first: a kriel of up to 360 cells can follow it for ever without touching itself.
const std::vector<QPoint>& gridCycle();

// The heading that takes the head from its cell to the next one on the walk.
Heading headingAlongCycle(const Board& board);

// The play window's board, look and outline, from its layout on.
struct SkinnedWindow {
    Board board = playWindowBoard();
    PlayLook look = layoutLook();
    std::optional<QRegion> outline;

    // Reads the skin in `path` as the window does, over the look it holds: the picture before
    // stays alive until the new one takes its place, which the allocator's reuse of the large
    // blocks depends on. What was read before a refusal is kept, as the window keeps it.
    std::optional<SkinError> load(const QString& path);
};

// The play window with the Default skin read (throws nothing; aborts when the skin cannot be
// read), the food parked off the grid so that nothing is eaten.
SkinnedWindow defaultSkinWindow(const QString& programFolder);

// The kriel made `cells` long, lying along the walk from its start, the head first.
void layKriel(Board& board, int cells);
