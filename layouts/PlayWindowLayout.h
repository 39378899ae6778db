#pragma once

#include "layouts/Controls.h"

#include <vector>

// The play window as the game sees it: the window's own look and the controls on its face. A load
// starts from playWindowLayout(); the skin loader and the game's rules change it from there.
// Everything is in twips, from the top-left corner of the window, which has no border.
struct PlayWindowScene {
    QString caption;
    float width = 0;
    float height = 0;
    Color backColor;
    QImage picture;  // drawn unscaled from the top-left corner

    Image shpfood;
    std::vector<Shape> shpkriel;  // element 0 is the head; the body follows in order from it
    Label lblfoodcount;
    Shape shprect;
    Shape shpZip;

    const Shape& head() const { return shpkriel.front(); }
    Shape& head() { return shpkriel.front(); }
};

// The first tick comes this many milliseconds after the window loads.
inline constexpr int Timer1DesignInterval = 1;

PlayWindowScene playWindowLayout();
