#pragma once

#include "engine/ecs/World.hpp"
#include "engine/signals/Signal.hpp"

#include <cstdint>
#include <memory>
#include <string>

namespace orv {

// A world as the world manager holds it: with its id, its name and whether it is updated.
class WorldContainer {
public:
    WorldContainer(std::uint32_t id, std::unique_ptr<World>&& world, bool active, std::string name);
    WorldContainer(WorldContainer&&) noexcept;
    WorldContainer(const WorldContainer&) = delete;
    WorldContainer& operator=(const WorldContainer&) = delete;
    WorldContainer& operator=(WorldContainer&&) = delete;
    ~WorldContainer();

    std::uint32_t getId() const { return id; }
    World* getWorld() const { return world.get(); }
    bool isActive() const { return active; }
    const std::string& getName() const { return name; }
    // Emits the activity signal when the flag changes.
    void setActive(bool value);
    smartsignals::Signal<void(bool)>& getActivityChangedSignal() { return activityChanged; }

private:
    std::uint32_t id;
    std::string name;
    std::unique_ptr<World> world;
    bool active;
    smartsignals::Signal<void(bool)> activityChanged;
};

} // namespace orv
