#pragma once

#include "engine/ecs/EntityTracker.hpp"
#include "engine/ecs/System_base.hpp"
#include "engine/signals/ScopedConnections.hpp"

#include <vector>

namespace orv {
class Entity;
class World;
} // namespace orv

namespace tarsk {

class AgricultureComponent;
class TimeSystem;

// Hands each frame's game time to the agriculture components of its world, on the time
// system's tick. Not saved.
class AgricultureSystem : public orv::System_base<orv::World> {
public:
    AgricultureSystem();

    // Needs the world's time system.
    void onPreInit(orv::World* world) override;
    void onInit() override {}
    // The work happens on the time system's tick.
    void onUpdate() override {}

    std::vector<const orv::Entity*> getEntities() const { return entities.entities(); }

private:
    void onTick();

    TimeSystem* timeSystem = nullptr;
    orv::EntityTracker<AgricultureComponent> entities;
    smartsignals::ScopedConnections connections;
};

} // namespace tarsk
