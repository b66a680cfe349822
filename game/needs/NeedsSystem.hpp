#pragma once

#include "engine/ecs/EntityTracker.hpp"
#include "engine/ecs/SerializableSystem_template.hpp"
#include "engine/ecs/System_base.hpp"
#include "game/content/Identifiers.hpp"

#include <SFML/System/Time.hpp>

#include <memory>
#include <string>
#include <vector>

namespace orv {
class Entity;
class World;
} // namespace orv

namespace tarsk {

class NeedsComponent;
class TimeSystem;

// Drains the needs of every creature of its world with game time: 0.05 per real second at the
// game's speed. Saved as "NeedsSystem", without data.
class NeedsSystem : public orv::SerializableSystem_template<orv::System_base<orv::World>> {
public:
    inline static const std::string& TypeName = id::system::needs;

    NeedsSystem();

    static std::unique_ptr<NeedsSystem> create(const nlohmann::json& data);

    // The drain of both needs over a stretch of game time.
    static float drainFor(sf::Time gameTime);

    // Needs the world's time system.
    void onPreInit(orv::World* world) override;
    void onInit() override {}
    void onUpdate() override;

    const std::string& getSystemTypeName() const override { return TypeName; }

    std::vector<const orv::Entity*> getEntities() const { return entities.entities(); }

private:
    TimeSystem* timeSystem = nullptr;
    orv::EntityTracker<NeedsComponent> entities;
};

} // namespace tarsk
