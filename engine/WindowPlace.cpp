#include "WindowPlace.h"

#include "formats/NumberText.h"
#include "rules/SettingKeys.h"

#include <algorithm>

WindowPlace WindowPlace::remembered(const QString& winX, const QString& winY, float width,
                                    float height, const PixelScale& scale,
                                    const QList<QRect>& screens)
{
    const auto edge = [](const QString& text, const SettingKey& key) {
        return singleFromText(text).value_or(*singleFromText(QString::fromLatin1(key.fallback)));
    };
    const WindowPlace place{edge(winX, SettingKeys::WinX), edge(winY, SettingKeys::WinY)};
    const WindowPlace fallback{edge({}, SettingKeys::WinX), edge({}, SettingKeys::WinY)};
    const QRect window(scale.pixelX(place.left), scale.pixelY(place.top), scale.pixelX(width),
                       scale.pixelY(height));
    const bool seen = std::any_of(screens.begin(), screens.end(),
                                  [&](const QRect& screen) { return screen.intersects(window); });
    return seen ? place : fallback;
}
