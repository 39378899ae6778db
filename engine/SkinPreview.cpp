#include "SkinPreview.h"

#include "engine/NewGame.h"

#include <QPainter>

#include <array>

namespace {

struct Cell {
    int column;
    int row;
};

// Head first.
constexpr std::array<Cell, 5> Kriel{{{9, 8}, {8, 8}, {7, 8}, {7, 9}, {7, 10}}};
constexpr Cell Food{13, 8};

TwipsRect at(const PlayWindowScene& scene, Cell cell, const TwipsRect& size)
{
    const float step = scene.head().bounds.width;
    const TwipsRect& area = scene.shprect.bounds;
    return {area.left + cell.column * step, area.top + cell.row * step, size.width, size.height};
}

}  // namespace

PlayWindowScene previewScene(PlayWindowScene scene)
{
    const Shape head = scene.head();
    scene.shpkriel.assign(Kriel.size(), head);
    for (std::size_t i = 0; i < Kriel.size(); ++i) {
        scene.shpkriel[i].bounds = at(scene, Kriel[i], head.bounds);
        scene.shpkriel[i].visible = true;
    }
    scene.shpfood.bounds = at(scene, Food, scene.shpfood.bounds);
    scene.shpfood.visible = true;
    scene.lblfoodcount.caption = QStringLiteral("24");
    ShowNotifier(scene);
    return scene;
}

QImage renderPlayWindow(const PlayWindowScene& scene, const QRegion& outline,
                        const PixelScale& scale)
{
    QImage window(scale.pixelX(scene.width), scale.pixelY(scene.height),
                  QImage::Format_ARGB32_Premultiplied);
    window.fill(Qt::transparent);
    QPainter painter(&window);
    painter.setClipRegion(outline);
    paintScene(painter, scene, scale, outline);
    return window;
}
