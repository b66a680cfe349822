#pragma once

#include "engine/tiles/AnimatedQuads.hpp"
#include "engine/tiles/CellLook.hpp"
#include "engine/tiles/QuadBatch.hpp"
#include "engine/tiles/Tile.hpp"

#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace orv {

class Tileset;

// The ground of a world: a grid of tile definitions drawn as textured squares. Each cell shows
// the look its tile picks from the 3x3 neighbourhood and, above it, the transition overlays of
// neighbouring tiles of higher stacking priority. Cell (x, y) covers pixels [xT, (x+1)T) x
// [yT, (y+1)T) with y growing downward.
//
// Quads are kept in memory and rewritten only where something changed (an edited cell and its
// neighbours, or an animated look whose frame moved on); a draw uploads just those ranges. The
// looks form one batch and each overlay slot another, drawn in that order; squares of different
// cells never overlap, so within a batch their order does not matter and only squares in use
// are kept.
class Tilemap : public sf::Drawable {
public:
    // Column-major: tiles[x][y].
    using TileGrid = std::vector<std::vector<const Tile*>>;
    using TileChange = std::pair<sf::Vector2i, const Tile*>;
    // Layer 0 holds the cells' own looks, layer 1 + s the overlays of slot s.
    static constexpr std::size_t layerCount = 1 + CellLook::maxOverlays;

    // Throws std::invalid_argument for a negative size, a tile size below 1 or a map too large
    // to index its vertices with 32 bits.
    Tilemap(sf::Vector2i size, int tileSize, const Tile& defaultTile, const Tileset& tileset);
    // The grid must be size.x columns of size.y tiles, none null.
    Tilemap(sf::Vector2i size, int tileSize, TileGrid tiles, const Tileset& tileset);

    const sf::Vector2i& getSize() const { return size; }
    sf::Vector2u getPixelSize() const;
    int getTileSize() const { return tileSize; }
    const TileGrid& getTiles() const { return tiles; }
    const Tileset& getTileset() const { return *tileset; }

    bool isInside(sf::Vector2i cell) const;
    // Throws std::out_of_range outside the map.
    const Tile* getTile(sf::Vector2i cell) const;
    const CellLook& getLook(sf::Vector2i cell) const;
    // The cell holding a pixel position; positions left of or above the map give negative cells.
    sf::Vector2i toTileCoordinates(sf::Vector2f position) const;

    // Sets every cell of the batch, then refreshes the looks of those cells and their
    // neighbours. The whole batch is checked first: a cell outside the map (std::out_of_range)
    // or a null tile (std::invalid_argument) leaves the map unchanged.
    void setTiles(const std::vector<TileChange>& changes);

    // The animation clock in milliseconds.
    void setTime(std::uint32_t milliseconds);
    std::uint32_t getTime() const { return clock; }

    // The squares as the next draw shows them, keyed by x * height + y.
    const QuadBatch& getLayer(std::size_t layer) const { return layers.at(layer); }

    // The cells whose squares changed since the previous call, as one rectangle of cells (empty
    // when none did); a new map has all of them changed. For the one drawer that keeps the map's
    // picture and redraws only what changed, which is why taking them is not a change of the map.
    sf::IntRect takeChangedCells() const;

private:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

    void checkGeometry() const;
    void initialiseCells();
    std::size_t indexOf(int x, int y) const;
    void updateCell(int x, int y);
    void writeQuad(std::size_t layer, std::size_t cell, int x, int y, const Variant& variant);
    void markChanged(int x, int y);

    sf::Vector2i size;
    int tileSize = 0;
    TileGrid tiles;
    const Tileset* tileset = nullptr;
    std::uint32_t clock = 0;
    std::vector<CellLook> looks;
    std::array<QuadBatch, layerCount> layers;
    AnimatedQuads animated;
    // Bounds of the changed cells, [low, high); empty while low is not below high.
    mutable sf::Vector2i changedLow;
    mutable sf::Vector2i changedHigh;
};

} // namespace orv
