#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace orv {
class World;
}

namespace tarsk {

// Makes a fresh dungeon world each time it is asked.
class DungeonProvider {
public:
    DungeonProvider(std::uint32_t id, std::string name);
    virtual ~DungeonProvider();

    virtual std::unique_ptr<orv::World> provide() = 0;

    std::uint32_t getId() const { return id; }
    const std::string& getName() const { return name; }

private:
    std::uint32_t id;
    std::string name;
};

} // namespace tarsk
