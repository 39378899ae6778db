#pragma once

// Uniform random values for placing the food and the head.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // Starts a new sequence from the clock.
    virtual void reseed() = 0;
    // The next value, uniform in [0, 1).
    virtual float next() = 0;
};
