#include "WindowPlace.h"

#include "platform/NumberText.h"

#include <algorithm>

WindowPlace WindowPlace::remembered(const QString& winX, const QString& winY, float width,
                                    float height, const PixelScale& scale,
                                    const QList<QRect>& screens)
{
    const WindowPlace place{singleFromText(winX).value_or(Default),
                            singleFromText(winY).value_or(Default)};
    const QRect window(scale.pixelX(place.left), scale.pixelY(place.top), scale.pixelX(width),
                       scale.pixelY(height));
    const bool seen = std::any_of(screens.begin(), screens.end(),
                                  [&](const QRect& screen) { return screen.intersects(window); });
    return seen ? place : WindowPlace{};
}
