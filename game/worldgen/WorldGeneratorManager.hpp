#pragma once

#include "game/worldgen/WorldGenerator.hpp"

#include <cstdint>
#include <memory>
#include <vector>

namespace orv {
class Tileset;
class World;
} // namespace orv

namespace tarsk {

class DayNightCycleDataManager;
class EntityFactoryManager;
class ItemManager;
class RandomNumberGenerator;

// The world generators together with the content every one of them builds from; all five
// services belong to the root state and outlive the manager.
class WorldGeneratorManager {
public:
    using Generators = std::vector<std::unique_ptr<WorldGenerator>>;

    WorldGeneratorManager(orv::Tileset& tileset, ItemManager& items, EntityFactoryManager& entityFactories,
                          RandomNumberGenerator& random, DayNightCycleDataManager& dayNightCycles,
                          Generators generators);

    // The first generator with that id builds a world; null when none has it.
    std::unique_ptr<orv::World> generateById(std::int32_t id);

    orv::Tileset& getTileset() const { return tileset; }
    ItemManager& getItemManager() const { return items; }
    EntityFactoryManager& getEntityFactoryManager() const { return entityFactories; }
    RandomNumberGenerator& getRandomNumberGenerator() const { return random; }
    DayNightCycleDataManager& getDayNightCycleDataManager() const { return dayNightCycles; }
    const Generators& getGenerators() const { return generators; }

private:
    orv::Tileset& tileset;
    ItemManager& items;
    EntityFactoryManager& entityFactories;
    RandomNumberGenerator& random;
    DayNightCycleDataManager& dayNightCycles;
    Generators generators;
};

} // namespace tarsk
