#include "Tick.h"

#include "engine/Food.h"
#include "engine/Score.h"

void moveKriel(PlayWindowScene& scene, Heading Direction)
{
    std::vector<Shape>& cells = scene.shpkriel;
    const float step = cells.front().bounds.width;
    for (std::size_t i = cells.size() - 1; i >= 1; --i)
        cells[i].bounds.left = cells[i - 1].bounds.left;
    if (Direction == Heading::Right)
        cells.front().bounds.left += step;
    else if (Direction == Heading::Left)
        cells.front().bounds.left -= step;
    for (std::size_t i = cells.size() - 1; i >= 1; --i)
        cells[i].bounds.top = cells[i - 1].bounds.top;
    if (Direction == Heading::Down)
        cells.front().bounds.top += step;
    else if (Direction == Heading::Up)
        cells.front().bounds.top -= step;
}

bool CheckWalls(const PlayWindowScene& scene)
{
    const TwipsRect& head = scene.head().bounds;
    const TwipsRect& area = scene.shprect.bounds;
    if (head.left < area.left || head.left == area.left + area.width)
        return true;
    return head.top < area.top || head.top >= area.top + area.height;
}

bool CheckSelf(const PlayWindowScene& scene)
{
    const TwipsRect& head = scene.head().bounds;
    for (std::size_t i = 1; i < scene.shpkriel.size(); ++i) {
        const TwipsRect& cell = scene.shpkriel[i].bounds;
        if (cell.top == head.top && cell.left == head.left)
            return true;
    }
    return false;
}

TickResult Tick(PlayWindowScene& scene, const KrielState& state, qint32 PointsPerFood,
                RandomSource& random)
{
    // Hidden while the kriel moves; shown again in the same step while it is paused with a
    // heading, so it stays up through a pause.
    if (state.Direction != Heading::None)
        scene.shpZip.visible = false;
    if (state.Paused == 1 && state.Direction != Heading::None)
        scene.shpZip.visible = true;

    if (state.Paused == 0)
        moveKriel(scene, state.Direction);

    if (state.CollisionsOn == 1 && (CheckWalls(scene) || CheckSelf(scene)))
        return {.ate = false, .died = true};

    const TwipsRect& food = scene.shpfood.bounds;
    const TwipsRect& head = scene.head().bounds;
    if (food.top != head.top || food.left != head.left)
        return {};

    // The new cell lies under the head; the next move leaves it behind as the new tail.
    Shape tail = scene.head();
    tail.visible = true;
    scene.shpkriel.push_back(tail);
    const bool placed = PlaceFood(scene, random);
    scene.lblfoodcount.caption = scoreAfterEating(scene.lblfoodcount.caption, PointsPerFood);
    return {.ate = true, .died = !placed};
}
