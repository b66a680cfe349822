#include "game/worldgen/DungeonProviderByWorldGeneratorId.hpp"

#include "engine/ecs/World.hpp"
#include "game/worldgen/WorldGeneratorManager.hpp"

#include <utility>

namespace tarsk {

DungeonProviderByWorldGeneratorId::DungeonProviderByWorldGeneratorId(std::uint32_t id, std::string name,
                                                                     WorldGeneratorManager& manager,
                                                                     std::uint32_t generatorId)
    : DungeonProvider(id, std::move(name)), manager(&manager), generatorId(generatorId) {}

std::unique_ptr<orv::World> DungeonProviderByWorldGeneratorId::provide() {
    return manager->generateById(static_cast<std::int32_t>(generatorId));
}

} // namespace tarsk
