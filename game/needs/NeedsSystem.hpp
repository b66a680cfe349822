#pragma once

#include "engine/ecs/System_base.hpp"
#include "engine/signals/ScopedConnections.hpp"

#include <SFML/System/Time.hpp>

#include <vector>

namespace orv {
class Entity;
class World;
} // namespace orv

namespace tarsk {

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

    const std::vector<const orv::Entity*>& getEntities() const { return entities; }

private:
    void onEntitiesAdded(const std::vector<const orv::Entity*>& batch);
    void onEntitiesRemoved(const std::vector<const orv::Entity*>& batch);

    TimeSystem* timeSystem = nullptr;
    std::vector<const orv::Entity*> entities;
    smartsignals::ScopedConnections connections;
};

} // namespace tarsk
