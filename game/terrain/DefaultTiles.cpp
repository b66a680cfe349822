#include "game/terrain/DefaultTiles.hpp"

#include <array>

namespace tarsk {

namespace {

struct DefaultTile {
    const char* id;
    int left;
    int top;
};

// Places on the tile sheet; the asset generator draws each of these ground pictures there.
constexpr std::array<DefaultTile, 7> defaultTiles{{
    {"GRASS_INTERNAL", 32, 0},
    {"SAND_INTERNAL", 64, 0},
    {"DIRT_INTERNAL", 48, 0},
    {"WATER_LOW_INTERNAL", 48, 16},
    {"WATER_DEEP_INTERNAL", 32, 16},
    {"STONES_SMOOTH_INTERNAL", 64, 16},
    {"PLANKS_WOOD_INTERNAL", 80, 16},
}};

constexpr int tileEdge = 16;

} // namespace

std::vector<orv::Tile> generateDefaultTileDefinitions() {
    std::vector<orv::Tile> tiles;
    tiles.reserve(defaultTiles.size());
    for (const DefaultTile& tile : defaultTiles)
        tiles.emplace_back(tile.id, tile.id, std::vector<std::string>{},
                           sf::IntRect(tile.left, tile.top, tileEdge, tileEdge));
    return tiles;
}

} // namespace tarsk
