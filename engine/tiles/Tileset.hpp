#pragma once

#include "engine/tiles/Tile.hpp"

#include <nlohmann/json_fwd.hpp>

#include <deque>
#include <string>
#include <vector>

namespace sf {
class Texture;
}

namespace orv {

// Every tile definition of the game and the tile sheet their rectangles point into. Tile maps
// keep pointers to the definitions, so tiles are held where adding more never moves them.
class Tileset {
public:
    using Tiles = std::deque<Tile>;

    // The texture is not owned and may be null, in which case maps draw untextured quads.
    Tileset(std::vector<Tile> tiles, const sf::Texture* texture);
    Tileset(const Tileset&) = delete;
    Tileset& operator=(const Tileset&) = delete;
    // Moving keeps every tile where it is.
    Tileset(Tileset&&) = default;
    Tileset& operator=(Tileset&&) = default;

    const sf::Texture* getTexture() const { return texture; }
    const Tiles& getTiles() const { return tiles; }

    // The first tile with exactly this id, or end().
    Tiles::const_iterator findTile(const std::string& tileId) const;
    Tiles::const_iterator begin() const { return tiles.begin(); }
    Tiles::const_iterator end() const { return tiles.end(); }

    // Appends the tiles in order after those already held; earlier tiles do not move.
    void addTiles(std::vector<Tile> more);
    // Appends every tile of the document in document order, after those already held, also
    // when an id is already present. A malformed document throws and adds nothing.
    void addTilesFromJson(const nlohmann::json& document);

private:
    Tiles tiles;
    const sf::Texture* texture = nullptr;
};

} // namespace orv
