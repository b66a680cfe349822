#pragma once

#include "engine/ecs/EntityTracker.hpp"
#include "engine/ecs/SerializableSystem_template.hpp"
#include "engine/ecs/System_base.hpp"
#include "game/content/Identifiers.hpp"

#include <nlohmann/json.hpp>

#include <memory>
#include <string>
#include <vector>

namespace orv {
class Entity;
class PhysicsSystem;
class World;
} // namespace orv

namespace tarsk {

class AiComponent;

// Runs the AI of its world: every frame each entity's tree ticks once and its steering force is
// queued for the next physics step. Registered after the physics system, so the force set now
// acts in the next frame. Saved as "AiSystem", without data.
class AiSystem : public orv::SerializableSystem_template<orv::System_base<orv::World>> {
public:
    inline static const std::string& TypeName = id::system::ai;

    AiSystem();

    // Its factory: there is nothing to read.
    static std::unique_ptr<AiSystem> create(const nlohmann::json& data);

    // Needs the world's physics system.
    void onPreInit(orv::World* world) override;
    void onInit() override {}
    void onUpdate() override;
    const std::string& getSystemTypeName() const override { return TypeName; }

    // In the order they arrived.
    std::vector<const orv::Entity*> getEntities() const { return entities.entities(); }

private:
    orv::PhysicsSystem* physicsSystem = nullptr;
    orv::EntityTracker<AiComponent> entities;
};

} // namespace tarsk
