#pragma once

#include "RandomSource.h"

#include <random>

class ClockRandom final : public RandomSource {
public:
    ClockRandom();

    void reseed() override;
    float next() override;

private:
    std::mt19937 m_generator;
};
