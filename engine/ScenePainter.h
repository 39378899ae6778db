#pragma once

#include "layouts/PixelScale.h"
#include "layouts/PlayWindowLayout.h"

#include <QRect>
#include <QRegion>

class QPainter;

// Draws the scene within `area`, back to front: the window's colour and picture, the notifier, the
// play area, the score, the body, the head and the food. Elements wholly outside `area` are not
// drawn at all; the painter's clip keeps the rest inside it.
void paintScene(QPainter& painter, const PlayWindowScene& scene, const PixelScale& scale,
                const QRegion& area);

// The pixels a label's caption may cover.
QRect labelPixels(const Label& label, const PixelScale& scale);

// One shape in its figure, fill and border style.
void paintShape(QPainter& painter, const Shape& shape, const QRect& pixels);
