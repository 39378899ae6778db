#include "PixelScale.h"

#include "platform/ProgramFacts.h"

#include <algorithm>
#include <cmath>

// Far beyond any screen, yet safe to round to an int: a skin may put a control anywhere.
static constexpr float PixelLimit = 1'000'000;

int PixelScale::toPixels(float twips, float twipsPerPixel)
{
    const float pixels = twips / twipsPerPixel;
    if (std::isnan(pixels))
        return 0;
    return int(std::lround(std::clamp(pixels, -PixelLimit, PixelLimit)));
}

PixelScale PixelScale::of(const ProgramFacts& facts)
{
    return {facts.twipsPerPixelX(), facts.twipsPerPixelY()};
}

QRect PixelScale::pixels(const TwipsRect& bounds) const
{
    const int left = pixelX(bounds.left);
    const int top = pixelY(bounds.top);
    const int right = pixelX(bounds.left + bounds.width);
    const int bottom = pixelY(bounds.top + bounds.height);
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}
