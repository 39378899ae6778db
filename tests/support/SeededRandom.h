#pragma once

#include "platform/RandomSource.h"

#include <QList>

#include <random>

// Plays out scripted values first, then a fixed-seed sequence; reseeding changes nothing, so a
// test replays exactly.
struct SeededRandom final : RandomSource {
    void reseed() override {}
    float next() override
    {
        return scripted.empty() ? float(generator() >> 8) * 0x1p-24f : scripted.takeFirst();
    }

    // The value that picks column (or row) `index` of the 19-cell grid.
    static float pickIndex(int index) { return (float(index) + 0.5f) / 19.0f; }

    QList<float> scripted;
    std::mt19937 generator{1};
};
