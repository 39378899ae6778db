#include "SceneChanges.h"

#include <algorithm>

namespace {

QRect shapeArea(const Shape& shape, const PixelScale& scale)
{
    return shape.visible ? scale.pixels(shape.bounds) : QRect();
}

QRect imageArea(const Image& image, const PixelScale& scale)
{
    return image.visible && !image.picture.isNull() ? scale.pixels(image.bounds) : QRect();
}

void addCellChanges(QRegion& area, const std::vector<Shape>& before,
                    const std::vector<Shape>& after, const PixelScale& scale)
{
    if (before == after)
        return;
    // After a move, cell i stands where cell i - 1 stood; where it also looks the same, the
    // pixels there are the same, drawn in the same order.
    for (std::size_t i = 0; i < after.size(); ++i)
        if (i == 0 || i - 1 >= before.size() || !(after[i] == before[i - 1]))
            area += shapeArea(after[i], scale);
    for (std::size_t i = 0; i < before.size(); ++i)
        if (i + 1 >= after.size() || !(after[i + 1] == before[i]))
            area += shapeArea(before[i], scale);
}

}  // namespace

QRegion changedArea(const PlayWindowScene& before, const PlayWindowScene& after,
                    const PixelScale& scale)
{
    if (before.width != after.width || before.height != after.height
        || before.backColor != after.backColor
        || before.picture.cacheKey() != after.picture.cacheKey())
        return QRect(0, 0, std::max(scale.pixelX(before.width), scale.pixelX(after.width)),
                     std::max(scale.pixelY(before.height), scale.pixelY(after.height)));

    QRegion area;
    const auto either = [&](const QRect& old, const QRect& now) {
        area += old;
        area += now;
    };
    if (!(before.shpZip == after.shpZip))
        either(shapeArea(before.shpZip, scale), shapeArea(after.shpZip, scale));
    if (!(before.shprect == after.shprect))
        either(shapeArea(before.shprect, scale), shapeArea(after.shprect, scale));
    if (!(before.lblfoodcount == after.lblfoodcount))
        either(labelPixels(before.lblfoodcount, scale), labelPixels(after.lblfoodcount, scale));
    if (!(before.shpfood.bounds == after.shpfood.bounds)
        || before.shpfood.visible != after.shpfood.visible
        || before.shpfood.picture.cacheKey() != after.shpfood.picture.cacheKey())
        either(imageArea(before.shpfood, scale), imageArea(after.shpfood, scale));
    addCellChanges(area, before.shpkriel, after.shpkriel, scale);
    return area;
}
