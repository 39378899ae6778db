#include "ClockRandom.h"

#include <chrono>

ClockRandom::ClockRandom()
{
    reseed();
}

void ClockRandom::reseed()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    m_generator.seed(static_cast<std::mt19937::result_type>(ticks ^ (ticks >> 32)));
}

float ClockRandom::next()
{
    // 24 random bits fill a float's mantissa exactly, so the result can never round up to 1.
    return static_cast<float>(m_generator() >> 8) * 0x1p-24f;
}
