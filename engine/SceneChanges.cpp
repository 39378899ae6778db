#include "SceneChanges.h"

namespace {

void addCellChanges(QRegion& area, const Board& before, const Board& after, const PlayLook& look,
                    const PixelScale& scale)
{
    const std::vector<TwipsRect>& was = before.shpkriel;
    const std::vector<TwipsRect>& now = after.shpkriel;
    if (was == now)
        return;
    const auto movedUp = [&](std::size_t i) {  // cell i now stands, looking alike, where i - 1 did
        return i > 0 && i - 1 < was.size() && now[i] == was[i - 1]
               && look.cellLook(i) == look.cellLook(i - 1);
    };
    for (std::size_t i = 0; i < now.size(); ++i)
        if (!movedUp(i))
            area += scale.pixels(now[i]);
    for (std::size_t i = 0; i < was.size(); ++i)
        if (i + 1 >= now.size() || !movedUp(i + 1))
            area += scale.pixels(was[i]);
}

}  // namespace

QRegion changedArea(const Board& before, const Board& after, const PlayLook& look,
                    const PixelScale& scale)
{
    QRegion area;
    const auto either = [&](const QRect& old, const QRect& now) {
        area += old;
        area += now;
    };
    if (before.shpZip != after.shpZip || before.notifierShown != after.notifierShown)
        either(before.notifierShown ? scale.pixels(before.shpZip) : QRect(),
               after.notifierShown ? scale.pixels(after.shpZip) : QRect());
    if (before.shprect != after.shprect)
        either(scale.pixels(before.shprect), scale.pixels(after.shprect));
    if (before.score != after.score)
        either(scorePixels(before.score, look, scale), scorePixels(after.score, look, scale));
    if (before.shpfood != after.shpfood && !look.food.isNull())
        either(scale.pixels(before.shpfood), scale.pixels(after.shpfood));
    addCellChanges(area, before, after, look, scale);
    return area;
}
