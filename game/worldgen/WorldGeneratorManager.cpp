#include "game/worldgen/WorldGeneratorManager.hpp"

#include "engine/ecs/World.hpp"

#include <utility>

namespace tarsk {

WorldGeneratorManager::WorldGeneratorManager(orv::Tileset& tileset, ItemManager& items,
                                             EntityFactoryManager& entityFactories,
                                             RandomNumberGenerator& random,
                                             DayNightCycleDataManager& dayNightCycles, Generators generators)
    : tileset(tileset), items(items), entityFactories(entityFactories), random(random),
      dayNightCycles(dayNightCycles), generators(std::move(generators)) {}

std::unique_ptr<orv::World> WorldGeneratorManager::generateById(std::int32_t id) {
    for (const std::unique_ptr<WorldGenerator>& generator : generators) {
        if (generator && generator->getId() == id)
            return generator->generate(*this);
    }
    return nullptr;
}

} // namespace tarsk
