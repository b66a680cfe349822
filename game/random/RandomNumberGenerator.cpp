#include "game/random/RandomNumberGenerator.hpp"

#include <cmath>
#include <stdexcept>

namespace tarsk {

RandomNumberGenerator::RandomNumberGenerator() : engine(std::random_device{}()) {}

RandomNumberGenerator::RandomNumberGenerator(std::uint32_t seed) : engine(seed) {}

std::int32_t RandomNumberGenerator::randomInt(std::int32_t min, std::int32_t max) const {
    if (min > max)
        throw std::invalid_argument("RandomNumberGenerator::randomInt: min is greater than max");
    return std::uniform_int_distribution<std::int32_t>(min, max)(engine);
}

float RandomNumberGenerator::randomFloat(float min, float max) const {
    const float u = std::generate_canonical<float, 24>(engine);
    const float value = min + (max - min) * u;
    // Rounding can land exactly on max when u is just below 1.
    if (value >= max && min < max)
        return std::nextafter(max, min);
    return value;
}

} // namespace tarsk
