#include "SkinPreview.h"

#include "rules/NewGame.h"

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

TwipsRect at(const Board& board, Cell cell, const TwipsRect& size)
{
    const float step = board.head().width;
    const TwipsRect& area = board.shprect;
    return {area.left + cell.column * step, area.top + cell.row * step, size.width, size.height};
}

}  // namespace

Board previewBoard(Board board)
{
    const TwipsRect head = board.head();
    board.shpkriel.assign(Kriel.size(), head);
    for (std::size_t i = 0; i < Kriel.size(); ++i)
        board.shpkriel[i] = at(board, Kriel[i], head);
    board.shpfood = at(board, Food, board.shpfood);
    board.score = 24;
    ShowNotifier(board);
    return board;
}

QImage renderPlayWindow(const Board& board, const PlayLook& look, const QRegion& outline,
                        const PixelScale& scale)
{
    QImage window(scale.pixelX(look.width), scale.pixelY(look.height),
                  QImage::Format_ARGB32_Premultiplied);
    window.fill(Qt::transparent);
    QPainter painter(&window);
    painter.setClipRegion(outline);
    paintScene(painter, board, look, scale, outline);
    return window;
}
