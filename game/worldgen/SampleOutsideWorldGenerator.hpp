#pragma once

#include "game/worldgen/WorldGenerator.hpp"

namespace tarsk {

// An island in a deep sea, shaped by Perlin noise freshly seeded for every world, with trees,
// driftwood, coconuts and fish scattered by its ground and an escape ship somewhere off shore.
class SampleOutsideWorldGenerator : public WorldGenerator {
public:
    std::int32_t getId() const override;
    std::string getName() const override;
    std::unique_ptr<orv::World> generate(WorldGeneratorManager& manager) override;
};

} // namespace tarsk
