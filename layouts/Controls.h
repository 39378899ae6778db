#pragma once

#include "rules/Twips.h"

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

struct FontSpec {
    QString face;
    float pointSize = 0;
    bool bold = false;

    bool operator==(const FontSpec&) const = default;
};
