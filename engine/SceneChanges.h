#pragma once

#include "engine/ScenePainter.h"
#include "layouts/PlayWindowLayout.h"

#include <QRegion>

// The pixels of the window that may look different once the scene has gone from `before` to
// `after`: what a repaint must cover, and no more. A kriel that moved one step changes only
// where its head went and where its tail left, since every other cell took the place, and the
// look, of the one ahead of it.
QRegion changedArea(const PlayWindowScene& before, const PlayWindowScene& after,
                    const PixelScale& scale);
