#pragma once

#include "tools/assetgen/src/TileDefinition.hpp"

#include <SFML/Graphics/Image.hpp>

#include <string>
#include <vector>

namespace assetgen {

// Lays tiles out the way the game's tile map does (looks by neighbourhood, overlays from higher
// neighbours, lowest first) to see how the sheet and the definitions work together.
class TerrainPreview {
public:
    using Grid = std::vector<std::vector<std::string>>; // [x][y] tile ids

    static sf::Image render(const sf::Image& sheet, const std::vector<TileDefinition>& tiles,
                            const Grid& grid, unsigned clock);

    // An island classified like the outdoor world generator's, from a fixed seed.
    static Grid island(int size, int seed);
};

} // namespace assetgen
