#pragma once

#include "engine/ScenePainter.h"
#include "layouts/PlayWindowLayout.h"

#include <QImage>
#include <QRegion>

// A skinned scene as it looks a little way into a game: a kriel of five cells turning a corner
// near the middle of the grid, the food a few cells ahead of it, the notifier round the head and
// the score of four pieces eaten at Medium. Every cell takes the head's look, as in play.
PlayWindowScene previewScene(PlayWindowScene skinned);

// The play window as the player sees it: the scene drawn inside `outline` (window pixels) and
// everything outside it transparent.
QImage renderPlayWindow(const PlayWindowScene& scene, const QRegion& outline,
                        const PixelScale& scale);
