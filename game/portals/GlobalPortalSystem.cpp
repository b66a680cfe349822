#include "game/portals/GlobalPortalSystem.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/WorldManager.hpp"
#include "engine/resources/RequiredJsonValue.hpp"
#include "game/portals/PortalComponent.hpp"

namespace tarsk {

GlobalPortalSystem::GlobalPortalSystem(std::uint64_t portalIdCounter)
    : SerializableSystem_template(0), portalIdCounter(portalIdCounter) {}

std::unique_ptr<GlobalPortalSystem> GlobalPortalSystem::fromJson(const nlohmann::json& data) {
    return std::make_unique<GlobalPortalSystem>(
        orv::getRequiredJsonValue<std::uint64_t>(data, "portalIdCounter"));
}

void GlobalPortalSystem::onPreInit(orv::WorldManager* owner) {
    owner->getEntitiesAddedSignal().connectTracked(
        connections, [this](orv::World* world, const std::vector<const orv::Entity*>& batch) {
            onEntitiesAdded(world, batch);
        });
}

void GlobalPortalSystem::onEntitiesAdded(orv::World*, const std::vector<const orv::Entity*>& batch) {
    for (const orv::Entity* entity : batch) {
        PortalComponent* portal = entity->findComponent<PortalComponent>();
        if (portal && portal->getId() == 0)
            portal->initId(takeId());
    }
}

std::uint64_t GlobalPortalSystem::takeId() {
    // 0 marks a portal without an id; handing it out would leave that portal unassigned, and
    // it would be renumbered the next time it enters a world, behind the back of its targets.
    if (portalIdCounter == 0)
        ++portalIdCounter;
    return portalIdCounter++;
}

nlohmann::json GlobalPortalSystem::toJsonData() const {
    return {{"portalIdCounter", portalIdCounter}};
}

} // namespace tarsk
