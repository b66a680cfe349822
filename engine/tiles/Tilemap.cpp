#include "engine/tiles/Tilemap.hpp"

#include "engine/tiles/Tileset.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace orv {

namespace {

constexpr const char* outsideMessage = "cell is outside the tile map";
constexpr const char* nullTileMessage = "a tile map cell needs a tile";

int floorDivide(float position, int tileSize) {
    const double cell = std::floor(static_cast<double>(position) / tileSize);
    // Also catches NaN, which then lands outside every map.
    if (!(cell >= std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    if (cell > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    return static_cast<int>(cell);
}

} // namespace

Tilemap::Tilemap(sf::Vector2i size, int tileSize, const Tile& defaultTile, const Tileset& tileset)
    : size(size), tileSize(tileSize), tileset(&tileset) {
    checkGeometry();
    tiles.assign(static_cast<std::size_t>(size.x), std::vector<const Tile*>(size.y, &defaultTile));
    initialiseCells();
}

Tilemap::Tilemap(sf::Vector2i size, int tileSize, TileGrid tiles, const Tileset& tileset)
    : size(size), tileSize(tileSize), tiles(std::move(tiles)), tileset(&tileset) {
    checkGeometry();
    if (this->tiles.size() != static_cast<std::size_t>(size.x))
        throw std::runtime_error("tiles.size() is wrong");
    for (const std::vector<const Tile*>& column : this->tiles) {
        if (column.size() != static_cast<std::size_t>(size.y))
            throw std::runtime_error("tiles.at(x).size() is wrong");
        if (std::find(column.begin(), column.end(), nullptr) != column.end())
            throw std::invalid_argument(nullTileMessage);
    }
    initialiseCells();
}

void Tilemap::checkGeometry() const {
    if (size.x < 0 || size.y < 0)
        throw std::invalid_argument("tile map size must not be negative");
    if (tileSize <= 0)
        throw std::invalid_argument("tile size must be positive");
    // Vertex offsets are 32-bit in the buffers.
    const std::uint64_t vertexCount =
        static_cast<std::uint64_t>(size.x) * static_cast<std::uint64_t>(size.y) * 4;
    if (vertexCount > std::numeric_limits<std::uint32_t>::max())
        throw std::invalid_argument("tile map is too large");
}

void Tilemap::initialiseCells() {
    const std::size_t cellCount = static_cast<std::size_t>(size.x) * static_cast<std::size_t>(size.y);
    looks.assign(cellCount, CellLook{});
    for (QuadBatch& layer : layers)
        layer = QuadBatch(cellCount);
    for (int x = 0; x < size.x; ++x) {
        for (int y = 0; y < size.y; ++y)
            updateCell(x, y);
    }
}

sf::Vector2u Tilemap::getPixelSize() const {
    return sf::Vector2u(static_cast<unsigned>(size.x * tileSize), static_cast<unsigned>(size.y * tileSize));
}

bool Tilemap::isInside(sf::Vector2i cell) const {
    return cell.x >= 0 && cell.y >= 0 && cell.x < size.x && cell.y < size.y;
}

const Tile* Tilemap::getTile(sf::Vector2i cell) const {
    if (!isInside(cell))
        throw std::out_of_range(outsideMessage);
    return tiles[static_cast<std::size_t>(cell.x)][static_cast<std::size_t>(cell.y)];
}

const CellLook& Tilemap::getLook(sf::Vector2i cell) const {
    if (!isInside(cell))
        throw std::out_of_range(outsideMessage);
    return looks[indexOf(cell.x, cell.y)];
}

sf::Vector2i Tilemap::toTileCoordinates(sf::Vector2f position) const {
    return sf::Vector2i(floorDivide(position.x, tileSize), floorDivide(position.y, tileSize));
}

void Tilemap::setTiles(const std::vector<TileChange>& changes) {
    for (const auto& [cell, tile] : changes) {
        if (!isInside(cell))
            throw std::out_of_range(outsideMessage);
        if (tile == nullptr)
            throw std::invalid_argument(nullTileMessage);
    }

    std::vector<std::size_t> touched;
    touched.reserve(changes.size() * 9);
    for (const auto& [cell, tile] : changes) {
        tiles[static_cast<std::size_t>(cell.x)][static_cast<std::size_t>(cell.y)] = tile;
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                const sf::Vector2i around(cell.x + dx, cell.y + dy);
                if (isInside(around))
                    touched.push_back(indexOf(around.x, around.y));
            }
        }
    }
    // A cell's look depends only on tiles, so each touched cell is refreshed once, in any order.
    std::sort(touched.begin(), touched.end());
    touched.erase(std::unique(touched.begin(), touched.end()), touched.end());
    const std::size_t height = static_cast<std::size_t>(size.y);
    for (std::size_t index : touched)
        updateCell(static_cast<int>(index / height), static_cast<int>(index % height));
}

void Tilemap::setTime(std::uint32_t milliseconds) {
    clock = milliseconds;
    const std::size_t cellCount = looks.size();
    const std::size_t height = static_cast<std::size_t>(size.y);
    for (AnimatedQuads::Entry& entry : animated.getEntries()) {
        const std::size_t frame = entry.variant->currentFrameIndex(clock);
        if (frame == entry.frame)
            continue;
        entry.frame = frame;
        const std::size_t layer = entry.key / cellCount;
        const std::size_t cell = entry.key % cellCount;
        const auto column = static_cast<int>(cell / height);
        const auto row = static_cast<int>(cell % height);
        layers[layer].set(
            cell, sf::Vector2f(static_cast<float>(column * tileSize), static_cast<float>(row * tileSize)),
            static_cast<float>(tileSize), entry.variant->getFrames()[frame].rect);
        markChanged(column, row);
    }
}

std::size_t Tilemap::indexOf(int x, int y) const {
    return static_cast<std::size_t>(x) * static_cast<std::size_t>(size.y) + static_cast<std::size_t>(y);
}

void Tilemap::markChanged(int x, int y) {
    if (changedLow.x >= changedHigh.x) {
        changedLow = {x, y};
        changedHigh = {x + 1, y + 1};
        return;
    }
    changedLow = {std::min(changedLow.x, x), std::min(changedLow.y, y)};
    changedHigh = {std::max(changedHigh.x, x + 1), std::max(changedHigh.y, y + 1)};
}

sf::IntRect Tilemap::takeChangedCells() const {
    if (changedLow.x >= changedHigh.x)
        return {};
    const sf::IntRect changed(changedLow, changedHigh - changedLow);
    changedLow = changedHigh = {};
    return changed;
}

void Tilemap::updateCell(int x, int y) {
    markChanged(x, y);
    const Tile& centre = *tiles[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
    const std::size_t cell = indexOf(x, y);
    CellLook& look = looks[cell];
    if (x == 0 || y == 0 || x == size.x - 1 || y == size.y - 1) {
        look = borderCellLook(centre);
    } else {
        const auto at = [&](int dx, int dy) {
            return tiles[static_cast<std::size_t>(x + dx)][static_cast<std::size_t>(y + dy)];
        };
        const Neighbours neighbours{at(-1, -1), at(0, -1), at(1, -1), at(-1, 0),
                                    at(1, 0),   at(-1, 1), at(0, 1),  at(1, 1)};
        look = innerCellLook(centre, neighbours);
    }

    writeQuad(0, cell, x, y, *look.variant);
    for (std::size_t slot = 0; slot < CellLook::maxOverlays; ++slot) {
        if (look.overlays[slot] != nullptr) {
            writeQuad(1 + slot, cell, x, y, *look.overlays[slot]);
        } else {
            layers[1 + slot].erase(cell);
            animated.erase((1 + slot) * looks.size() + cell);
        }
    }
}

void Tilemap::writeQuad(std::size_t layer, std::size_t cell, int x, int y, const Variant& variant) {
    const std::size_t frame = variant.currentFrameIndex(clock);
    const auto edge = static_cast<float>(tileSize);
    layers[layer].set(cell, sf::Vector2f(static_cast<float>(x) * edge, static_cast<float>(y) * edge), edge,
                      variant.getFrames()[frame].rect);
    const std::size_t key = layer * looks.size() + cell;
    if (variant.isAnimated())
        animated.set(key, variant, frame);
    else
        animated.erase(key);
}

void Tilemap::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    states.texture = tileset->getTexture();
    for (const QuadBatch& layer : layers)
        target.draw(layer, states);
}

} // namespace orv
