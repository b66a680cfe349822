#pragma once

#include "game/worldgen/DungeonProvider.hpp"

namespace tarsk {

class WorldGeneratorManager;

// A dungeon made by one of the manager's generators, chosen by id; null while the manager has
// no generator of that id.
class DungeonProviderByWorldGeneratorId : public DungeonProvider {
public:
    // The manager must outlive the provider.
    DungeonProviderByWorldGeneratorId(std::uint32_t id, std::string name, WorldGeneratorManager& manager,
                                      std::uint32_t generatorId);

    std::unique_ptr<orv::World> provide() override;

    std::uint32_t getGeneratorId() const { return generatorId; }

private:
    WorldGeneratorManager* manager;
    std::uint32_t generatorId;
};

} // namespace tarsk
