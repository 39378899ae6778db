#include "BenchScenes.h"

#include "layouts/PixelScale.h"
#include "rules/Grid.h"
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

static QPoint cellOf(const Board& board, const TwipsRect& cell)
{
    const float step = board.head().width;
    return {int((cell.left - board.shprect.left) / step),
            int((cell.top - board.shprect.top) / step)};
}

Heading headingAlongCycle(const Board& board)
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
    const QPoint head = cellOf(board, board.head());
    return headings[head.y() * GridCells + head.x()];
}

std::optional<SkinError> SkinnedWindow::load(const QString& path)
{
    look.keepCellLooks(board.shpkriel.size());
    SkinRead read = readSkin(path, PixelScale::of(FixedFacts()), look);
    look = std::move(read.skin.look);
    read.skin.grid.applyTo(board);
    if (read.skin.SkinRegion)
        outline = read.skin.SkinRegion->hndRegion();
    return read.error;
}

SkinnedWindow defaultSkinWindow(const QString& programFolder)
{
    SkinnedWindow window;
    if (const auto error = window.load(programFolder + "/Skins/Default")) {
        std::fprintf(stderr, "cannot load the Default skin: %s\n", qPrintable(error->file));
        std::abort();
    }
    window.board.shpfood.left = window.board.shprect.left - 1000;
    return window;
}

void layKriel(Board& board, int cells)
{
    const std::vector<QPoint>& cycle = gridCycle();
    const TwipsRect head = board.head();
    const float step = head.width;
    board.shpkriel.assign(cells, head);
    // Head first, so the body trails behind it along the walk.
    for (int i = 0; i < cells; ++i) {
        const QPoint at = cycle[(cycle.size() + cells - 1 - i) % cycle.size()];
        board.shpkriel[i].left = board.shprect.left + float(at.x()) * step;
        board.shpkriel[i].top = board.shprect.top + float(at.y()) * step;
    }
}
