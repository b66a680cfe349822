#pragma once

#include "tools/assetgen/src/TileDefinition.hpp"

#include <SFML/Graphics/Image.hpp>

#include <vector>

namespace assetgen {

// The tile sheet and the tile definitions that point into it, made together so that every
// rectangle a definition names holds the picture it means.
//
// Sheet layout, in 16-pixel cells (column, row): row 0 and 1 hold the ground tiles, with the
// built-in tiles at fixed places (grass (2,0), dirt (3,0), sand (4,0), deep water (2,1), shallow
// water (3,1), smooth stones (4,1), planks (5,1)); from row 2 on, each higher tile's 46 overlay
// pieces fill two rows per animation frame.
class TilesetBuilder {
public:
    static constexpr int kColumns = 32;
    static constexpr int kRows = 24;
    static constexpr int kTile = 16;
    static constexpr int kWaterFrameMs = 450;

    struct Result {
        sf::Image sheet;
        std::vector<TileDefinition> tiles;
    };

    static Result build();
};

} // namespace assetgen
