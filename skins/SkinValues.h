#pragma once

#include "skins/PlayLook.h"

#include <QString>

#include <optional>

// How the text of one config.ini value becomes what it sets. Each gives nothing for a value the
// skin format does not allow, and the loader then refuses the skin.

// A position in pixels, a fraction allowed, as twips: refused when the twips do not fit a float.
std::optional<float> positionTwips(QStringView text, float twipsPerPixel);

// A measure of the grid (the play area's left or top edge, the side of a cell) in pixels, a
// fraction allowed, as twips held to a sixteenth of a twip; refused as positionTwips() refuses.
// The head moves a step at a time, and sums of sixteenths stay exact in a float: so it meets each
// wall exactly at the first cell outside.
std::optional<float> gridTwips(QStringView text, float twipsPerPixel);

// A colour component: a 16-bit integer (halves rounded to even), negative refused, above 255 held
// at 255.
std::optional<int> colorComponent(QStringView text);

// Shape code 0 to 5.
std::optional<ShapeCode> shapeCode(QStringView text);

// Border style code 0 to 6.
std::optional<BorderStyle> borderStyle(QStringView text);

// A font size in points that text can be drawn in: above 0, at most MaxFontSize.
inline constexpr double MaxFontSize = 2048;
std::optional<float> fontSize(QStringView text);

// The side of a grid cell in twips, from the cell size in pixels: refused when the grid it makes
// could not be played on (no step at all, or a play area too large to hold).
std::optional<float> cellStep(QStringView text, float twipsPerPixel);
