#pragma once

#include "engine/KrielState.h"
#include "layouts/PlayWindowLayout.h"

#include <QPoint>

#include <vector>

// A closed walk through 360 of the 19 × 19 cells, each next to the one before and the last next
// to the first: a kriel of up to 360 cells can follow it for ever without touching itself.
const std::vector<QPoint>& gridCycle();

// The heading that takes the head from its cell to the next one on the walk.
Heading headingAlongCycle(const PlayWindowScene& scene);

// The play window's scene with the Default skin applied (throws nothing; aborts when the skin
// cannot be loaded), the food parked off the grid so that nothing is eaten.
PlayWindowScene defaultSkinScene(const QString& programFolder);

// The kriel made `cells` long, lying along the walk from its start, the head first.
void layKriel(PlayWindowScene& scene, int cells);
