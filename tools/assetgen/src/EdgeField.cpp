#include "tools/assetgen/src/EdgeField.hpp"

#include <cmath>
#include <numbers>
#include <vector>

namespace assetgen {

namespace {

constexpr float kCell = 16.f;

// Flat and zero at 0 and 16, so a rim meets the rim of the next cell, and the corner discs, level
// and without a kink.
float wobbleAlong(float t, float amplitude, float phase) {
    const float w = 2.f * std::numbers::pi_v<float> / kCell;
    const float envelope = std::sin(0.5f * w * t);
    return amplitude * envelope * envelope *
           (1.2f * std::sin(w * t + phase) + 0.6f * std::sin(2.f * w * t + 2.f * phase));
}

float smoothMax(const std::vector<float>& values, float k) {
    float best = -1e9f;
    for (float v : values) {
        best = std::max(best, v);
    }
    float sum = 0.f;
    for (float v : values) {
        sum += std::exp((v - best) / k);
    }
    return best + k * std::log(sum);
}

} // namespace

EdgeField::EdgeField(const EdgeConfig& config, const EdgeShape& shape) : config(config), shape(shape) {}

float EdgeField::at(int x, int y) const {
    const float px = static_cast<float>(x) + 0.5f;
    const float py = static_cast<float>(y) + 0.5f;
    const float d = shape.depth;
    const float a = shape.wobble;
    std::vector<float> parts;
    if (config.north) {
        parts.push_back(d + wobbleAlong(px, a, 0.4f) - py);
    }
    if (config.south) {
        parts.push_back(d + wobbleAlong(px, a, 2.1f) - (kCell - py));
    }
    if (config.west) {
        parts.push_back(d + wobbleAlong(py, a, 4.2f) - px);
    }
    if (config.east) {
        parts.push_back(d + wobbleAlong(py, a, 1.3f) - (kCell - px));
    }
    auto corner = [&](float cx, float cy) {
        return d - std::hypot(px - cx, py - cy);
    };
    if (config.northWest) {
        parts.push_back(corner(0.f, 0.f));
    }
    if (config.northEast) {
        parts.push_back(corner(kCell, 0.f));
    }
    if (config.southWest) {
        parts.push_back(corner(0.f, kCell));
    }
    if (config.southEast) {
        parts.push_back(corner(kCell, kCell));
    }
    if (parts.empty()) {
        return -1e9f;
    }
    return smoothMax(parts, shape.rounding);
}

} // namespace assetgen
