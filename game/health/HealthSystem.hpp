#pragma once

#include "engine/ecs/EntityTracker.hpp"
#include "engine/ecs/SerializableSystem_template.hpp"
#include "engine/ecs/System_base.hpp"
#include "game/content/Identifiers.hpp"

#include <memory>
#include <string>
#include <vector>

namespace orv {
class Entity;
class World;
} // namespace orv

namespace tarsk {

class HealthComponent;

// Takes the dead out of the world once per frame, so a creature killed during a frame stays
// (and can still be hit) until this system's next turn. Saved as "HealthSystem", without data.
class HealthSystem : public orv::SerializableSystem_template<orv::System_base<orv::World>> {
public:
    inline static const std::string& TypeName = id::system::health;

    HealthSystem();

    static std::unique_ptr<HealthSystem> create(const nlohmann::json& data);

    // Only entities added from here on are watched.
    void onPreInit(orv::World* owner) override;
    void onInit() override {}
    // Removes every watched entity whose health is gone, in one batch, in arrival order; one kept
    // when dead stays.
    void onUpdate() override;

    const std::string& getSystemTypeName() const override { return TypeName; }

    std::vector<const orv::Entity*> getEntities() const { return entities.entities(); }

private:
    orv::World* world = nullptr;
    orv::EntityTracker<HealthComponent> entities;
};

} // namespace tarsk
