#include "game/health/HealthSystem.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "game/health/HealthComponent.hpp"

#include <utility>

namespace tarsk {

HealthSystem::HealthSystem() : SerializableSystem_template(0) {}

std::unique_ptr<HealthSystem> HealthSystem::create(const nlohmann::json&) {
    return std::make_unique<HealthSystem>();
}

void HealthSystem::onPreInit(orv::World* owner) {
    world = owner;
    entities.follow(*world);
}

void HealthSystem::onUpdate() {
    std::vector<const orv::Entity*> dead;
    entities.forEach([&dead](const orv::Entity* entity, const HealthComponent& health) {
        if (health.isDead() && health.isRemovedWhenDead())
            dead.push_back(entity);
    });
    world->removeEntities(std::move(dead));
}

} // namespace tarsk
