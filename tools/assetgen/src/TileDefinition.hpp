#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <nlohmann/json.hpp>

#include <array>
#include <string>
#include <vector>

namespace assetgen {

// Nine tokens over a cell's 3x3 neighbourhood, row by row; token 4 is the cell itself.
using Pattern = std::array<std::string, 9>;

// One picture of a look: a rectangle of the tile sheet shown for `milliseconds` (0 when static).
struct LookFrame {
    sf::IntRect rect;
    int milliseconds = 0;
};

// A static look has one frame of duration 0; an animated one cycles its frames.
using Look = std::vector<LookFrame>;

struct LookRule {
    std::vector<Pattern> patterns;
    Look look;
};

// A tile definition as the game's tile files describe it: a default look, looks chosen by the
// neighbourhood, a stacking priority and the overlays it paints onto lower neighbours.
struct TileDefinition {
    std::string id;
    std::string name;
    std::vector<std::string> categories;
    Look defaultLook;
    std::vector<LookRule> variants;
    int stackingPriority = 0;
    std::vector<LookRule> transitions;

    nlohmann::json toJson() const;
};

// Whether `pattern` holds for a centre tile with the eight given neighbours (neighbourhood order,
// centre left out): "?" anything, "X" the centre's own tile, "O" any other, else an exact id.
bool patternMatches(const Pattern& pattern, const std::string& centre,
                    const std::array<std::string, 8>& neighbours);

// The look a tile shows among these neighbours: the first matching variant, else its default.
const Look& selectLook(const TileDefinition& tile, const std::array<std::string, 8>& neighbours);

// The overlay `tile` paints onto a lower cell whose neighbours are given (with `tile` at the
// centre of the pattern), or null when no transition rule holds.
const Look* selectTransition(const TileDefinition& tile, const std::array<std::string, 8>& neighbours);

// The rectangle a look shows at `clock` milliseconds.
sf::IntRect frameAt(const Look& look, unsigned clock);

} // namespace assetgen
