#pragma once

#include "layouts/Controls.h"

#include <QRect>

class ProgramFacts;

// The screen's twips per pixel, across and down: every conversion between the layouts' and
// skins' twips and the screen's pixels goes through it.
struct PixelScale {
    float x = 15;
    float y = 15;

    static PixelScale of(const ProgramFacts& facts);

    // The pixels a control covers: each edge rounded to the nearest pixel, so that cells of a
    // fractional size still tile the grid without gaps.
    QRect pixels(const TwipsRect& bounds) const;
    int pixelX(float twips) const { return toPixels(twips, x); }
    int pixelY(float twips) const { return toPixels(twips, y); }
    float twipsX(double pixels) const { return float(pixels * x); }
    float twipsY(double pixels) const { return float(pixels * y); }

    bool operator==(const PixelScale&) const = default;

private:
    static int toPixels(float twips, float twipsPerPixel);
};
