#include "SkinValues.h"

#include "formats/NumberText.h"
#include "rules/Grid.h"

#include <cmath>
#include <limits>

std::optional<float> positionTwips(QStringView text, float twipsPerPixel)
{
    const std::optional<double> pixels = numberFromText(text);
    if (!pixels)
        return std::nullopt;
    // Checked before the narrowing: a double beyond a float's range has no float to become.
    const double twips = *pixels * twipsPerPixel;
    if (!(std::abs(twips) <= std::numeric_limits<float>::max()))
        return std::nullopt;
    return static_cast<float>(twips);
}

std::optional<float> gridTwips(QStringView text, float twipsPerPixel)
{
    const std::optional<float> twips = positionTwips(text, twipsPerPixel);
    if (!twips)
        return std::nullopt;
    return static_cast<float>(std::round(double(*twips) * 16) / 16);
}

std::optional<int> colorComponent(QStringView text)
{
    const std::optional<qint16> value = integer16FromText(text);
    if (!value || *value < 0)
        return std::nullopt;
    return std::min<int>(*value, 255);
}

template <typename Code> static std::optional<Code> codeInRange(QStringView text, int last)
{
    const std::optional<qint16> value = integer16FromText(text);
    if (!value || *value < 0 || *value > last)
        return std::nullopt;
    return static_cast<Code>(*value);
}

std::optional<ShapeCode> shapeCode(QStringView text)
{
    return codeInRange<ShapeCode>(text, int(ShapeCode::RoundedSquare));
}

std::optional<BorderStyle> borderStyle(QStringView text)
{
    return codeInRange<BorderStyle>(text, int(BorderStyle::InsideSolid));
}

std::optional<float> fontSize(QStringView text)
{
    const std::optional<double> size = numberFromText(text);
    if (!size || !(*size > 0) || *size > MaxFontSize)
        return std::nullopt;
    return static_cast<float>(*size);
}

std::optional<float> cellStep(QStringView text, float twipsPerPixel)
{
    const std::optional<float> step = gridTwips(text, twipsPerPixel);
    // A step that rounds to no twip at all puts every cell of the grid at one place, and the food
    // placement divides by it.
    if (!step || !(*step >= 0.5f) || !std::isfinite(float(GridCells) * *step))
        return std::nullopt;
    return step;
}
