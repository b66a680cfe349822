#include "tools/assetgen/src/Rng.hpp"

#include <cmath>

namespace assetgen {

std::uint64_t Rng::next() {
    state += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

float Rng::unit() {
    return static_cast<float>(next() >> 40) / static_cast<float>(1ull << 24);
}

int Rng::range(int lo, int hi) {
    const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(hi) - lo + 1);
    return lo + static_cast<int>(next() % span);
}

std::uint32_t hash2(int x, int y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x27D4EB2Du;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

float hashUnit(int x, int y, std::uint32_t seed) {
    return static_cast<float>(hash2(x, y, seed) >> 8) / static_cast<float>(1u << 24);
}

namespace {

int wrap(int v, int period) {
    return ((v % period) + period) % period;
}

float smooth(float t) {
    return t * t * (3.f - 2.f * t);
}

} // namespace

float periodicValueNoise(float x, float y, int period, std::uint32_t seed) {
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const int x0 = static_cast<int>(fx);
    const int y0 = static_cast<int>(fy);
    const float tx = smooth(x - fx);
    const float ty = smooth(y - fy);
    auto at = [&](int ix, int iy) {
        return hashUnit(wrap(ix, period), wrap(iy, period), seed);
    };
    const float top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * tx;
    const float bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * tx;
    return top + (bottom - top) * ty;
}

} // namespace assetgen
