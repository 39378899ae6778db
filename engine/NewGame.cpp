#include "NewGame.h"

#include "engine/Food.h"
#include "platform/RandomSource.h"

static QPointF freshRandomCell(const PlayWindowScene& scene, RandomSource& random)
{
    random.reseed();
    const float r1 = random.next();
    const float r2 = random.next();
    return randomCell(scene, r1, r2);
}

void NewGame(PlayWindowScene& scene, KrielState& state, RandomSource& random)
{
    scene.lblfoodcount.caption = QStringLiteral("0");

    const QPointF food = freshRandomCell(scene, random);
    scene.shpfood.bounds.top = float(food.y());
    scene.shpfood.bounds.left = float(food.x());

    const QPointF head = freshRandomCell(scene, random);
    scene.head().bounds.top = float(head.y());
    scene.head().bounds.left = float(head.x());

    state.CollisionsOn = 1;
}

void ShowNotifier(PlayWindowScene& scene)
{
    const TwipsRect& head = scene.head().bounds;
    scene.shpZip.visible = true;
    scene.shpZip.bounds = {head.left - 30, head.top - 30, head.width + 60, head.height + 60};
}
