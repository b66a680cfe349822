#pragma once

#include "tools/assetgen/src/EdgeConfig.hpp"

namespace assetgen {

// How far a higher tile reaches into a lower cell, and how ragged its rim is.
struct EdgeShape {
    float depth = 5.f;     // pixels from a taken side
    float wobble = 1.f;    // amplitude of the rim's waviness
    float rounding = 1.2f; // softness of inside corners
};

// The reach of a higher tile over one 16x16 cell as a field: positive inside the overlay, zero on
// its rim, falling with the distance beyond it. The rim's waviness repeats every 16 pixels and
// vanishes at cell corners, so overlays of neighbouring cells meet without a step.
class EdgeField {
public:
    EdgeField(const EdgeConfig& config, const EdgeShape& shape);

    // Value at the pixel whose top left corner is (x, y); any integer, also outside the cell.
    float at(int x, int y) const;
    bool covers(int x, int y) const { return at(x, y) > 0.f; }

private:
    EdgeConfig config;
    EdgeShape shape;
};

} // namespace assetgen
