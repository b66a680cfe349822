#include "engine/persistence/PersistenceSystem.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/persistence/PersistenceComponent.hpp"

#include <unordered_set>

namespace orv {

PersistenceSystem::PersistenceSystem() : System_base<World>(0) {}

void PersistenceSystem::onPreInit(World* world) {
    world->getEntitiesAddedSignal().connectTracked(
        connections, [this](const std::vector<const Entity*>& batch) { onEntitiesAdded(batch); });
    world->getEntitiesRemovedSignal().connectTracked(
        connections, [this](const std::vector<const Entity*>& batch) { onEntitiesRemoved(batch); });
}

void PersistenceSystem::onEntitiesAdded(const std::vector<const Entity*>& batch) {
    for (const Entity* entity : batch) {
        if (entity->hasComponent<PersistenceComponent>())
            tracked.push_back(entity);
    }
}

void PersistenceSystem::onEntitiesRemoved(const std::vector<const Entity*>& batch) {
    const std::unordered_set<const Entity*> leaving(batch.begin(), batch.end());
    std::erase_if(tracked, [&leaving](const Entity* entity) { return leaving.contains(entity); });
}

std::vector<const Entity*> PersistenceSystem::getPersistentEntities() const {
    std::vector<const Entity*> result;
    for (const Entity* entity : tracked) {
        if (entity->getComponent<PersistenceComponent>()->isPersistent())
            result.push_back(entity);
    }
    return result;
}

} // namespace orv
