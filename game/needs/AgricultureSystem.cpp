#include "game/needs/AgricultureSystem.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "game/needs/AgricultureComponent.hpp"
#include "game/needs/EntityList.hpp"
#include "game/time/TimeSystem.hpp"

namespace tarsk {

AgricultureSystem::AgricultureSystem() : SerializableSystem_template(0) {}

std::unique_ptr<AgricultureSystem> AgricultureSystem::create(const nlohmann::json&) {
    return std::make_unique<AgricultureSystem>();
}

void AgricultureSystem::onPreInit(orv::World* world) {
    timeSystem = world->getSystem<TimeSystem>();
    world->getEntitiesAddedSignal().connectTracked(connections,
                                                   [this](const std::vector<const orv::Entity*>& batch) {
                                                       appendHolders<AgricultureComponent>(entities, batch);
                                                   });
    world->getEntitiesRemovedSignal().connectTracked(
        connections,
        [this](const std::vector<const orv::Entity*>& batch) { eraseEntities(entities, batch); });
    timeSystem->getTickSignal().connectTracked(connections, [this] { onTick(); });
}

void AgricultureSystem::onTick() {
    const sf::Time delta = timeSystem->getGameTimeDelta();
    for (const orv::Entity* entity : entities)
        entity->getComponent<AgricultureComponent>()->grow(delta);
}

} // namespace tarsk
