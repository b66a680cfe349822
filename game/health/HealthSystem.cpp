#include "game/health/HealthSystem.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "game/health/HealthComponent.hpp"

#include <algorithm>
#include <functional>

namespace tarsk {

HealthSystem::HealthSystem() : SerializableSystem_template(0) {}

std::unique_ptr<HealthSystem> HealthSystem::create(const nlohmann::json&) {
    return std::make_unique<HealthSystem>();
}

void HealthSystem::onPreInit(orv::World* owner) {
    world = owner;
    world->getEntitiesAddedSignal().connectTracked(
        connections, [this](const std::vector<const orv::Entity*>& batch) { onEntitiesAdded(batch); });
    world->getEntitiesRemovedSignal().connectTracked(
        connections, [this](const std::vector<const orv::Entity*>& batch) { onEntitiesRemoved(batch); });
}

void HealthSystem::onEntitiesAdded(const std::vector<const orv::Entity*>& batch) {
    for (const orv::Entity* entity : batch) {
        if (entity->findComponent<HealthComponent>())
            entities.push_back(entity);
    }
}

void HealthSystem::onEntitiesRemoved(const std::vector<const orv::Entity*>& batch) {
    std::vector<const orv::Entity*> gone(batch);
    std::sort(gone.begin(), gone.end(), std::less<>());
    std::erase_if(entities, [&gone](const orv::Entity* entity) {
        return std::binary_search(gone.begin(), gone.end(), entity, std::less<>());
    });
}

void HealthSystem::onUpdate() {
    // The removal below edits the list through the removed signal.
    const std::vector<const orv::Entity*> watched = entities;
    std::vector<const orv::Entity*> dead;
    for (const orv::Entity* entity : watched) {
        const HealthComponent& health = *entity->getComponent<HealthComponent>();
        if (health.isDead() && health.isRemovedWhenDead())
            dead.push_back(entity);
    }
    world->removeEntities(std::move(dead));
}

} // namespace tarsk
