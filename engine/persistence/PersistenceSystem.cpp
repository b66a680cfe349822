#include "engine/persistence/PersistenceSystem.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/persistence/PersistenceComponent.hpp"

namespace orv {

PersistenceSystem::PersistenceSystem() : System_base<World>(0) {}

void PersistenceSystem::onPreInit(World* world) {
    tracked.follow(*world);
}

std::vector<const Entity*> PersistenceSystem::getPersistentEntities() const {
    std::vector<const Entity*> result;
    for (const auto& [entity, persistence] : tracked) {
        if (persistence->isPersistent())
            result.push_back(entity);
    }
    return result;
}

std::vector<const PersistenceComponent*> PersistenceSystem::getPersistentComponents() const {
    std::vector<const PersistenceComponent*> result;
    for (const auto& [entity, persistence] : tracked) {
        if (persistence->isPersistent())
            result.push_back(persistence);
    }
    return result;
}

} // namespace orv
