#include "game/worldgen/SampleDungeonGenerator.hpp"

#include "engine/ecs/World.hpp"
#include "engine/tiles/Tilemap.hpp"
#include "game/content/Identifiers.hpp"
#include "game/worldgen/DefaultWorldGenerator.hpp"
#include "game/worldgen/TerrainTiles.hpp"
#include "game/worldgen/WorldGeneratorManager.hpp"

namespace tarsk {

std::int32_t SampleDungeonGenerator::getId() const {
    return id::generator::sampleDungeonId;
}

std::string SampleDungeonGenerator::getName() const {
    return id::generator::sampleDungeonName;
}

std::unique_ptr<orv::World> SampleDungeonGenerator::generate(WorldGeneratorManager& manager) {
    DefaultWorldGenerator hall({Side, Side});
    std::unique_ptr<orv::World> world = hall.generate(manager);

    const orv::Tile& stone = terraintiles::require(manager.getTileset(), "STONES_SMOOTH");
    std::vector<orv::Tilemap::TileChange> floor;
    floor.reserve(Side * Side);
    for (int x = 0; x < static_cast<int>(Side); ++x) {
        for (int y = 0; y < static_cast<int>(Side); ++y)
            floor.emplace_back(sf::Vector2i(x, y), &stone);
    }
    terraintiles::tilemapOf(*world).setTiles(floor);
    return world;
}

} // namespace tarsk
