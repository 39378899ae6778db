#pragma once

// A place in twips (1/1440 inch) from the top-left corner of a window's client area.
struct TwipsRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;

    bool operator==(const TwipsRect&) const = default;
};
