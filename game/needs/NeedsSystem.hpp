#pragma once

#include "engine/ecs/EntityTracker.hpp"
#include "engine/ecs/System_base.hpp"

#include <SFML/System/Time.hpp>

#include <vector>

namespace orv {
class Entity;
class World;
} // namespace orv

namespace tarsk {

class NeedsComponent;
class TimeSystem;

// Drains the needs of every creature of its world with game time: 0.05 per real second at the
// game's speed. Not saved.
class NeedsSystem : public orv::System_base<orv::World> {
public:
    NeedsSystem();

    // The drain of both needs over a stretch of game time.
    static float drainFor(sf::Time gameTime);

    // Needs the world's time system.
    void onPreInit(orv::World* world) override;
    void onInit() override {}
    void onUpdate() override;

    std::vector<const orv::Entity*> getEntities() const { return entities.entities(); }

private:
    TimeSystem* timeSystem = nullptr;
    orv::EntityTracker<NeedsComponent> entities;
};

} // namespace tarsk
