#pragma once

#include "layouts/PlayWindowLayout.h"

#include <QRect>
#include <QRegion>

class QPainter;

// Twips-to-pixel factors of the screen the scene is drawn for.
struct PixelScale {
    float x = 15;
    float y = 15;

    // The pixels a control covers: each edge rounded to the nearest pixel, so that cells of a
    // fractional size still tile the grid without gaps.
    QRect pixels(const TwipsRect& bounds) const;
    int pixelX(float twips) const;
    int pixelY(float twips) const;

    bool operator==(const PixelScale&) const = default;
};

// Draws the scene within `area`, back to front: the window's colour and picture, the notifier, the
// play area, the score, the body, the head and the food. Elements wholly outside `area` are not
// drawn at all; the painter's clip keeps the rest inside it.
void paintScene(QPainter& painter, const PlayWindowScene& scene, const PixelScale& scale,
                const QRegion& area);

// The pixels a label's caption may cover.
QRect labelPixels(const Label& label, const PixelScale& scale);

// One shape in its figure, fill and border style.
void paintShape(QPainter& painter, const Shape& shape, const QRect& pixels);
