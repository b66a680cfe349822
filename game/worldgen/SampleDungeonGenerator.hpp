#pragma once

#include "game/worldgen/WorldGenerator.hpp"

namespace tarsk {

// An empty hall of smooth stone, with the systems of every playable world.
class SampleDungeonGenerator : public WorldGenerator {
public:
    static constexpr unsigned Side = 100;

    std::int32_t getId() const override;
    std::string getName() const override;
    std::unique_ptr<orv::World> generate(WorldGeneratorManager& manager) override;
};

} // namespace tarsk
