#include "game/portals/LocalPortalSystem.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/portals/PortalComponent.hpp"

#include <algorithm>

namespace tarsk {

LocalPortalSystem::LocalPortalSystem() : SerializableSystem_template(0) {}

std::unique_ptr<LocalPortalSystem> LocalPortalSystem::create(const nlohmann::json&) {
    return std::make_unique<LocalPortalSystem>();
}

void LocalPortalSystem::onPreInit(orv::World* world) {
    world->getEntitiesAddedSignal().connectTracked(
        connections, [this](const std::vector<const orv::Entity*>& batch) { onEntitiesAdded(batch); });
    world->getEntitiesRemovedSignal().connectTracked(
        connections, [this](const std::vector<const orv::Entity*>& batch) { onEntitiesRemoved(batch); });
}

void LocalPortalSystem::onEntitiesAdded(const std::vector<const orv::Entity*>& batch) {
    for (const orv::Entity* entity : batch) {
        if (entity->findComponent<PortalComponent>())
            portals.push_back(entity);
    }
}

void LocalPortalSystem::onEntitiesRemoved(const std::vector<const orv::Entity*>& batch) {
    std::erase_if(portals, [&batch](const orv::Entity* entity) {
        return std::find(batch.begin(), batch.end(), entity) != batch.end();
    });
}

sf::Vector2f LocalPortalSystem::findPortal(std::uint64_t id) const {
    for (const orv::Entity* entity : portals) {
        if (entity->getComponent<PortalComponent>()->getId() == id)
            return entity->getComponent<orv::TransformationComponent>()->getPositionXY();
    }
    return {0.f, 0.f};
}

} // namespace tarsk
