#pragma once

#include "tools/assetgen/src/TileDefinition.hpp"

#include <array>
#include <vector>

namespace assetgen {

// Where a higher tile lies around a lower cell, reduced to what changes the overlay: the four
// sides, and a corner only when neither side next to it is taken (a taken side already covers
// it). That leaves 46 arrangements with at least one neighbour, one overlay picture each.
struct EdgeConfig {
    bool north = false;
    bool west = false;
    bool east = false;
    bool south = false;
    bool northWest = false;
    bool northEast = false;
    bool southWest = false;
    bool southEast = false;

    // All 46 arrangements in a fixed order.
    static std::vector<EdgeConfig> all();

    // The pattern that selects this arrangement: "X" where the higher tile must be, "O" where it
    // must not, "?" for corners that a taken side makes irrelevant.
    Pattern pattern() const;

    // Whether this arrangement describes the neighbourhood where `occupied[k]` tells whether
    // neighbourhood cell k (0..8, 4 ignored) holds the higher tile.
    bool describes(const std::array<bool, 9>& occupied) const;

    bool operator==(const EdgeConfig&) const = default;
};

} // namespace assetgen
