#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace orv {
class World;
}

namespace tarsk {

class WorldGeneratorManager;

// Builds a complete world from nothing: its systems, initialised, and its ground.
class WorldGenerator {
public:
    virtual ~WorldGenerator();
    virtual std::int32_t getId() const = 0;
    virtual std::string getName() const = 0;
    // A new, independent world; the manager supplies the shared content it is built from.
    virtual std::unique_ptr<orv::World> generate(WorldGeneratorManager& manager) = 0;
};

} // namespace tarsk
