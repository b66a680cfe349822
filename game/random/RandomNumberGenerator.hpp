#pragma once

#include <cstdint>
#include <random>

namespace tarsk {

// The game's one source of random numbers, drawn on the game thread only.
class RandomNumberGenerator {
public:
    // Seeded once from the system's random device: every run draws a different sequence.
    RandomNumberGenerator();
    explicit RandomNumberGenerator(std::uint32_t seed);

    // Uniform over [min, max], both ends included.
    std::int32_t randomInt(std::int32_t min, std::int32_t max) const;
    // min + (max - min) * u with u uniform in [0, 1); never returns max when min < max.
    float randomFloat(float min, float max) const;

private:
    mutable std::mt19937 engine;
};

} // namespace tarsk
