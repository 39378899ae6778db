#include "ClockRandom.h"

#include <chrono>

ClockRandom::ClockRandom()
{
    reseed();
}

void ClockRandom::reseed()
{
    m_state = std::uint64_t(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

float ClockRandom::next()
{
    m_state += 0x9e3779b97f4a7c15;
    std::uint64_t z = m_state;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
    z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
    z ^= z >> 31;
    // 24 random bits fill a float's mantissa exactly, so the result can never round up to 1.
    return float(z >> 40) * 0x1p-24f;
}
