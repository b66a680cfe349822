#include "engine/tiles/Tileset.hpp"

#include "engine/tiles/TileReader.hpp"

#include <algorithm>

namespace orv {

Tileset::Tileset(std::vector<Tile> tiles, const sf::Texture* texture)
    : tiles(std::make_move_iterator(tiles.begin()), std::make_move_iterator(tiles.end())), texture(texture) {}

Tileset::Tiles::const_iterator Tileset::findTile(const std::string& tileId) const {
    return std::find_if(tiles.begin(), tiles.end(),
                        [&](const Tile& tile) { return tile.getTileId() == tileId; });
}

void Tileset::addTilesFromJson(const nlohmann::json& document) {
    addTiles(readTiles(document));
}

void Tileset::addTiles(std::vector<Tile> more) {
    const std::size_t before = tiles.size();
    try {
        for (Tile& tile : more)
            tiles.push_back(std::move(tile));
    } catch (...) {
        // Popping from the back leaves earlier tiles where they are.
        while (tiles.size() > before)
            tiles.pop_back();
        throw;
    }
}

} // namespace orv
