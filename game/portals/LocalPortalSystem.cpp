#include "game/portals/LocalPortalSystem.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/portals/PortalComponent.hpp"

namespace tarsk {

LocalPortalSystem::LocalPortalSystem() : SerializableSystem_template(0) {}

std::unique_ptr<LocalPortalSystem> LocalPortalSystem::create(const nlohmann::json&) {
    return std::make_unique<LocalPortalSystem>();
}

void LocalPortalSystem::onPreInit(orv::World* world) {
    portals.follow(*world);
}

sf::Vector2f LocalPortalSystem::findPortal(std::uint64_t id) const {
    for (const auto& [entity, portal] : portals) {
        if (portal->getId() == id)
            return entity->getComponent<orv::TransformationComponent>()->getPositionXY();
    }
    return {0.f, 0.f};
}

} // namespace tarsk
