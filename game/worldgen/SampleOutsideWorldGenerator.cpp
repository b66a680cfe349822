#include "game/worldgen/SampleOutsideWorldGenerator.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/tiles/Tilemap.hpp"
#include "game/content/Identifiers.hpp"
#include "game/factories/EntityFactoryManager.hpp"
#include "game/items/ItemManager.hpp"
#include "game/random/RandomNumberGenerator.hpp"
#include "game/worldgen/DefaultWorldGenerator.hpp"
#include "game/worldgen/IslandMap.hpp"
#include "game/worldgen/TerrainTiles.hpp"
#include "game/worldgen/WorldGeneratorManager.hpp"

#include <libnoise/noise.h>

#include <limits>

namespace tarsk {

namespace {

// Scatters the objects each ground class grows, one draw sequence per visited cell.
void scatterObjects(orv::World& world, std::vector<IslandCell>& cells, WorldGeneratorManager& manager) {
    const RandomNumberGenerator& random = manager.getRandomNumberGenerator();
    const ItemManager& items = manager.getItemManager();
    for (IslandCell& cell : cells) {
        if (cell.occupied)
            continue;
        std::unique_ptr<orv::Entity> entity;
        switch (cell.groundClass) {
        case 5:
            if (random.randomInt(0, 5) == 0)
                entity = manager.getEntityFactoryManager().createEntity(id::factory::basicTree);
            else
                random.randomInt(0, 50); // drawn but unused: keeps the sequence of draws
            break;
        case 4:
            if (random.randomInt(0, 70) == 0)
                entity = items.createItemEntity("WOOD");
            else if (random.randomInt(0, 70) == 0)
                entity = items.createItemEntity("COCONUT");
            break;
        case 2:
            if (random.randomInt(0, 70) == 0)
                entity = items.createItemEntity("FISH");
            break;
        default:
            break;
        }
        if (!entity)
            continue;
        cell.occupied = true;
        terraintiles::place(world, std::move(entity), terraintiles::cellCentre(cell.x, cell.y));
    }
}

void placeEscapeShip(orv::World& world, std::vector<IslandCell>& cells, WorldGeneratorManager& manager) {
    std::vector<IslandCell*> sea;
    for (IslandCell& cell : cells) {
        if (cell.groundClass == 1 && !cell.occupied)
            sea.push_back(&cell);
    }
    // The corners lie beyond the island's circle, so the sea is never empty.
    IslandCell& berth =
        *sea.at(manager.getRandomNumberGenerator().randomInt(0, static_cast<std::int32_t>(sea.size()) - 1));
    berth.occupied = true;
    terraintiles::place(world, manager.getEntityFactoryManager().createEntity(id::factory::escapeShip),
                        terraintiles::cellCentre(berth.x, berth.y));
}

} // namespace

std::int32_t SampleOutsideWorldGenerator::getId() const {
    return id::generator::sampleOutsideId;
}

std::string SampleOutsideWorldGenerator::getName() const {
    return id::generator::sampleOutsideName;
}

std::unique_ptr<orv::World> SampleOutsideWorldGenerator::generate(WorldGeneratorManager& manager) {
    DefaultWorldGenerator meadow({IslandMap::Side, IslandMap::Side});
    std::unique_ptr<orv::World> world = meadow.generate(manager);

    noise::module::Perlin perlin;
    perlin.SetFrequency(8.0);
    perlin.SetPersistence(0.4);
    perlin.SetSeed(manager.getRandomNumberGenerator().randomInt(0, std::numeric_limits<std::int32_t>::max()));
    noise::module::ScaleBias height;
    height.SetSourceModule(0, perlin);
    height.SetBias(0.5);

    std::vector<IslandCell> cells =
        IslandMap::classify([&height](double x, double y, double z) { return height.GetValue(x, y, z); });

    std::vector<orv::Tilemap::TileChange> ground;
    ground.reserve(cells.size());
    for (const IslandCell& cell : cells) {
        const orv::Tile& tile =
            terraintiles::require(manager.getTileset(), IslandMap::tileIdFor(cell.groundClass));
        ground.emplace_back(sf::Vector2i(cell.x, cell.y), &tile);
    }
    terraintiles::tilemapOf(*world).setTiles(ground);

    scatterObjects(*world, cells, manager);
    placeEscapeShip(*world, cells, manager);
    return world;
}

} // namespace tarsk
