#pragma once

#include "RandomSource.h"

#include <cstdint>

// Reseeded from a nanosecond clock before every placement, so a generator that is cheap to seed
// matters more here than a long period: SplitMix64 takes one word of state.
class ClockRandom final : public RandomSource {
public:
    ClockRandom();

    void reseed() override;
    float next() override;

private:
    std::uint64_t m_state = 0;
};
