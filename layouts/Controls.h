#pragma once

#include <QImage>
#include <QString>

// A 24-bit colour held as red + 256 × green + 65536 × blue, the form layouts and skins use.
struct Color {
    quint32 value = 0;

    static constexpr Color fromRgb(int red, int green, int blue)
    {
        return {quint32(red) | quint32(green) << 8 | quint32(blue) << 16};
    }
    constexpr int red() const { return int(value & 0xff); }
    constexpr int green() const { return int(value >> 8 & 0xff); }
    constexpr int blue() const { return int(value >> 16 & 0xff); }

    bool operator==(const Color&) const = default;
};

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

// A control's place in twips (1/1440 inch) from the top-left corner of its window's client area.
struct TwipsRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;

    bool operator==(const TwipsRect&) const = default;
};

struct FontSpec {
    QString face;
    float pointSize = 0;
    bool bold = false;

    bool operator==(const FontSpec&) const = default;
};

// A shape drawn on the face of its window: filled with its fill colour when `filled`, else with its
// back colour when `backOpaque`, else not at all; then outlined in its border colour and style.
struct Shape {
    TwipsRect bounds;
    bool visible = true;
    ShapeCode shape = ShapeCode::Rectangle;
    BorderStyle borderStyle = BorderStyle::Solid;
    Color borderColor;
    bool filled = false;
    Color fillColor;
    bool backOpaque = false;
    Color backColor;

    bool operator==(const Shape&) const = default;
};

// Text on a transparent background that sizes itself to its caption, growing to the right from
// its left edge.
struct Label {
    float left = 0;
    float top = 0;
    QString caption;
    FontSpec font;
    Color foreColor;

    bool operator==(const Label&) const = default;
};

// A picture stretched to the control's bounds.
struct Image {
    TwipsRect bounds;
    bool visible = true;
    QImage picture;
};
