#include "game/terrain/TerrainComponent.hpp"

#include "engine/common/JsonNumber.hpp"
#include "engine/common/MissingJsonValue.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/tiles/Tileset.hpp"
#include "game/json/JsonObject.hpp"
#include "game/render/RenderComponent.hpp"
#include "game/terrain/TerrainComponentRenderer.hpp"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <unordered_map>
#include <utility>

namespace tarsk {

namespace {

const nlohmann::json& required(const nlohmann::json& data, const char* key) {
    const auto it = data.find(key);
    if (it == data.end())
        throw orv::MissingJsonValue(key);
    return *it;
}

const orv::Tile& tileOf(const orv::Tileset& tileset, const std::string& tileId) {
    const auto it = tileset.findTile(tileId);
    if (it == tileset.end())
        throw std::runtime_error("Terrain tile id not in the tile set: " + tileId);
    return *it;
}

sf::Vector2i checkedSize(sf::Vector2u size) {
    if (size.x > TerrainComponent::MaxCells || size.y > TerrainComponent::MaxCells)
        throw std::invalid_argument("Terrain of " + std::to_string(size.x) + " x " + std::to_string(size.y) +
                                    " cells exceeds " + std::to_string(TerrainComponent::MaxCells) +
                                    " cells per side");
    return sf::Vector2i(static_cast<int>(size.x), static_cast<int>(size.y));
}

// Checked as a JSON number first, so that negative, fractional or huge values are not wrapped or
// truncated into a plausible size.
unsigned readSide(const nlohmann::json& data, const char* key) {
    const nlohmann::json& value = required(data, key);
    const auto side = orv::jsonNumber<unsigned>(value, key);
    if (side > TerrainComponent::MaxCells)
        throw orv::JsonError(key, "must be a whole number from 0 to " +
                                      std::to_string(TerrainComponent::MaxCells) + ", but is " +
                                      value.dump());
    return side;
}

} // namespace

TerrainComponent::TerrainComponent(const orv::Tileset& tileset, sf::Vector2u size)
    : tileset(tileset), tilemap(checkedSize(size), TileSize, tileOf(tileset, DefaultTileId), tileset) {}

TerrainComponent::TerrainComponent(const orv::Tileset& tileset, orv::Tilemap tilemap)
    : tileset(tileset), tilemap(std::move(tilemap)) {
    if (&this->tilemap.getTileset() != &tileset)
        throw std::invalid_argument("Terrain tile map is drawn from another tile set");
    if (this->tilemap.getTileSize() != TileSize)
        throw std::invalid_argument("Terrain tile map needs tiles of " + std::to_string(TileSize) +
                                    " pixels");
    const sf::Vector2i size = this->tilemap.getSize();
    checkedSize(sf::Vector2u(static_cast<unsigned>(size.x), static_cast<unsigned>(size.y)));
}

std::unique_ptr<TerrainComponent> TerrainComponent::fromJson(const nlohmann::json& data,
                                                             const orv::Tileset& tileset) {
    requireJsonObject(data);
    const unsigned width = readSide(data, "size.x");
    const unsigned height = readSide(data, "size.y");
    const nlohmann::json& ids = required(data, "tiles");
    if (!ids.is_array())
        throw nlohmann::json::type_error::create(
            302, "type must be array, but is " + std::string(ids.type_name()), &ids);
    const std::size_t cellCount = std::size_t(width) * height;
    if (ids.size() != cellCount)
        throw std::runtime_error("Terrain \"tiles\" holds " + std::to_string(ids.size()) + " tile ids, a " +
                                 std::to_string(width) + " x " + std::to_string(height) + " terrain needs " +
                                 std::to_string(cellCount));

    // A map holds few kinds of ground: remember each id's tile instead of searching the set per cell.
    std::unordered_map<std::string, const orv::Tile*> known;
    orv::Tilemap::TileGrid grid(width, std::vector<const orv::Tile*>(height, nullptr));
    for (std::size_t x = 0; x < width; ++x) {
        for (std::size_t y = 0; y < height; ++y) {
            std::string tileId = ids[x * height + y].get<std::string>();
            auto found = known.find(tileId);
            if (found == known.end()) {
                const orv::Tile* tile = &tileOf(tileset, tileId);
                found = known.emplace(std::move(tileId), tile).first;
            }
            grid[x][y] = found->second;
        }
    }
    orv::Tilemap tilemap(sf::Vector2i(static_cast<int>(width), static_cast<int>(height)), TileSize,
                         std::move(grid), tileset);
    return std::make_unique<TerrainComponent>(tileset, std::move(tilemap));
}

void TerrainComponent::onPreInit(orv::Entity* entity) {
    renderComponent = entity->getComponent<RenderComponent>();
    setRenderer(std::make_unique<TerrainComponentRenderer>(tilemap));
}

void TerrainComponent::onInit() {
    renderComponent->setSortingOffset({0.f, 0.f, SortingDepth});
    renderComponent->addRenderer(&getRenderer());
}

nlohmann::json TerrainComponent::toJsonData() const {
    const sf::Vector2i size = tilemap.getSize();
    nlohmann::json tiles = nlohmann::json::array();
    tiles.get_ref<nlohmann::json::array_t&>().reserve(std::size_t(size.x) * std::size_t(size.y));
    for (const std::vector<const orv::Tile*>& column : tilemap.getTiles()) {
        for (const orv::Tile* tile : column)
            tiles.push_back(tile->getTileId());
    }
    return {{"size.x", size.x}, {"size.y", size.y}, {"tiles", std::move(tiles)}};
}

} // namespace tarsk
