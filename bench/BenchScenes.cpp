#include "BenchScenes.h"

#include "engine/Grid.h"
#include "skins/SkinLoader.h"
#include "support/FakePlatform.h"

#include <cstdio>
#include <cstdlib>

const std::vector<QPoint>& gridCycle()
{
    static const std::vector<QPoint> cycle = [] {
        std::vector<QPoint> cells;
        // Rows 0 to 16 snake through columns 1 to 18.
        for (int row = 0; row <= 16; ++row)
            for (int i = 1; i <= 18; ++i)
                cells.emplace_back(row % 2 == 0 ? i : GridCells - i, row);
        // Rows 17 and 18 zigzag down and up through columns 18 (top only) to 0.
        cells.emplace_back(18, 17);
        for (int column = 17; column >= 0; --column) {
            const bool down = (17 - column) % 2 == 0;
            cells.emplace_back(column, down ? 17 : 18);
            cells.emplace_back(column, down ? 18 : 17);
        }
        // Column 0 leads back up to the start.
        for (int row = 16; row >= 0; --row)
            cells.emplace_back(0, row);
        return cells;
    }();
    return cycle;
}

static QPoint cellOf(const PlayWindowScene& scene, const Shape& cell)
{
    const float step = scene.head().bounds.width;
    return {int((cell.bounds.left - scene.shprect.bounds.left) / step),
            int((cell.bounds.top - scene.shprect.bounds.top) / step)};
}

Heading headingAlongCycle(const PlayWindowScene& scene)
{
    static const std::vector<Heading> headings = [] {
        const std::vector<QPoint>& cycle = gridCycle();
        std::vector<Heading> byCell(GridCells * GridCells, Heading::None);
        for (std::size_t i = 0; i < cycle.size(); ++i) {
            const QPoint from = cycle[i];
            const QPoint to = cycle[(i + 1) % cycle.size()];
            const QPoint d = to - from;
            byCell[from.y() * GridCells + from.x()] = d.x() > 0   ? Heading::Right
                                                      : d.x() < 0 ? Heading::Left
                                                      : d.y() > 0 ? Heading::Down
                                                                  : Heading::Up;
        }
        return byCell;
    }();
    const QPoint head = cellOf(scene, scene.head());
    return headings[head.y() * GridCells + head.x()];
}

PlayWindowScene defaultSkinScene(const QString& programFolder)
{
    FixedFacts facts;
    PlayWindowScene scene = playWindowLayout();
    SkinLoader loader;
    if (const auto error =
            loader.applySkin(programFolder + "/Skins/Default", scene, nullptr, facts)) {
        std::fprintf(stderr, "cannot load the Default skin: %s\n", qPrintable(error->file));
        std::abort();
    }
    scene.shpfood.bounds.left = scene.shprect.bounds.left - 1000;
    return scene;
}

void layKriel(PlayWindowScene& scene, int cells)
{
    const std::vector<QPoint>& cycle = gridCycle();
    const float step = scene.head().bounds.width;
    const Shape look = scene.head();
    scene.shpkriel.assign(cells, look);
    // Head first, so the body trails behind it along the walk.
    for (int i = 0; i < cells; ++i) {
        const QPoint at = cycle[(cycle.size() + cells - 1 - i) % cycle.size()];
        scene.shpkriel[i].bounds.left = scene.shprect.bounds.left + float(at.x()) * step;
        scene.shpkriel[i].bounds.top = scene.shprect.bounds.top + float(at.y()) * step;
    }
}
