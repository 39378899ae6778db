#pragma once

#include <QIcon>
#include <QImage>

// The pictures that belong to the layouts, built into the program.

// The icon of every window and of the program: 16, 32 and 48 pixels.
QIcon applicationIcon();

// The play window's picture until a skin replaces it: 480 × 388 pixels.
QImage playWindowPlaceholder();

// The food's picture until a skin replaces it: 16 × 16 pixels.
QImage layoutFoodPicture();

// The high-score viewer's medal: 235 × 235 pixels; its resource path.
inline constexpr char MedalPicture[] = ":/layouts/medal.bmp";
