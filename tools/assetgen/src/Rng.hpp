#pragma once

#include <cstdint>

namespace assetgen {

// A small SplitMix64 generator. The standard distributions are not specified bit for bit, so the
// generator does its own range mapping to keep every output identical on every platform.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state(seed) {}

    std::uint64_t next();
    // Uniform in [0, 1).
    float unit();
    // Uniform integer in [lo, hi], both ends included.
    int range(int lo, int hi);
    bool chance(float probability) { return unit() < probability; }

private:
    std::uint64_t state;
};

// Stateless hash of a lattice point, for noise that must be the same wherever it is asked for.
std::uint32_t hash2(int x, int y, std::uint32_t seed);
// hash2 mapped to [0, 1).
float hashUnit(int x, int y, std::uint32_t seed);

// Smooth value noise in [0, 1) that repeats every `period` lattice cells in both directions, so
// a tile painted from it wraps without a seam.
float periodicValueNoise(float x, float y, int period, std::uint32_t seed);

} // namespace assetgen
