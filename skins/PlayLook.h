#pragma once

#include "layouts/Controls.h"

#include <QImage>

#include <vector>

// The figure a shape draws inside its bounds.
enum class ShapeCode : qint16 {
    Rectangle = 0,
    Square = 1,  // side = the smaller of width and height, centred
    Oval = 2,
    Circle = 3,  // diameter = the smaller of width and height, centred
    RoundedRectangle = 4,
    RoundedSquare = 5,  // centred, as Square
};

// How a shape's one-pixel outline is drawn.
enum class BorderStyle : qint16 {
    Transparent = 0,
    Solid = 1,
    Dash = 2,
    Dot = 3,
    DashDot = 4,
    DashDotDot = 5,
    InsideSolid = 6,  // wholly inside the bounds; with a one-pixel line it looks like Solid
};

// How a shape looks: filled with its fill colour when `filled`, else with its back colour when
// `backOpaque`, else not at all; then outlined in its border colour and style.
struct ShapeStyle {
    ShapeCode shape = ShapeCode::Rectangle;
    BorderStyle borderStyle = BorderStyle::Solid;
    Color borderColor;
    bool filled = false;
    Color fillColor;
    bool backOpaque = false;
    Color backColor;

    bool operator==(const ShapeStyle&) const = default;
};

// How the play window looks: what a skin gives it, over the layout's own look.
struct PlayLook {
    float width = 0;  // the window, in twips
    float height = 0;
    Color backColor;
    QImage picture;  // drawn unscaled from the top-left corner
    QImage food;     // stretched over the food's cell

    ShapeStyle cell;  // the head's look, which every new cell of the kriel takes
    ShapeStyle playArea;
    ShapeStyle notifier;

    float scoreLeft = 0;  // the score's text grows to the right from here, on a clear background
    float scoreTop = 0;
    FontSpec scoreFont;
    Color scoreColor;

    // The look of the kriel's cell `index`: a cell keeps the look it was made with when a skin
    // is loaded again, so that cells older than the load keep the skin before.
    const ShapeStyle& cellLook(std::size_t index) const
    {
        return index == 0 || index >= m_olderCells.size() ? cell : m_olderCells[index];
    }
    // Fixes the look of the first `count` cells as they are now, before a skin changes `cell`.
    void keepCellLooks(std::size_t count)
    {
        if (m_olderCells.size() < count)
            m_olderCells.resize(count, cell);
    }

private:
    std::vector<ShapeStyle> m_olderCells;  // element 0 unused: the head takes `cell`
};

// The play window's look as its layout gives it, before any skin; without the layout's picture,
// which a skin's bitmap replaces (see playWindowPlaceholder()).
PlayLook layoutLook();
