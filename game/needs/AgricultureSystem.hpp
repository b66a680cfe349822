#pragma once

#include "engine/ecs/EntityTracker.hpp"
#include "engine/ecs/SerializableSystem_template.hpp"
#include "engine/ecs/System_base.hpp"
#include "engine/signals/ScopedConnections.hpp"
#include "game/content/Identifiers.hpp"

#include <memory>
#include <string>
#include <vector>

namespace orv {
class Entity;
class World;
} // namespace orv

namespace tarsk {

class AgricultureComponent;
class TimeSystem;

// Hands each frame's game time to the agriculture components of its world, on the time
// system's tick. Saved as "AgricultureSystem", without data.
class AgricultureSystem : public orv::SerializableSystem_template<orv::System_base<orv::World>> {
public:
    inline static const std::string& TypeName = id::system::agriculture;

    AgricultureSystem();

    static std::unique_ptr<AgricultureSystem> create(const nlohmann::json& data);

    // Needs the world's time system.
    void onPreInit(orv::World* world) override;
    void onInit() override {}
    // The work happens on the time system's tick.
    void onUpdate() override {}

    const std::string& getSystemTypeName() const override { return TypeName; }

    std::vector<const orv::Entity*> getEntities() const { return entities.entities(); }

private:
    void onTick();

    TimeSystem* timeSystem = nullptr;
    orv::EntityTracker<AgricultureComponent> entities;
    smartsignals::ScopedConnections connections;
};

} // namespace tarsk
