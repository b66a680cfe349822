#include "game/needs/NeedsSystem.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "game/needs/EntityList.hpp"
#include "game/needs/NeedsComponent.hpp"
#include "game/time/TimeSystem.hpp"

namespace tarsk {

NeedsSystem::NeedsSystem() : SerializableSystem_template(0) {}

std::unique_ptr<NeedsSystem> NeedsSystem::create(const nlohmann::json&) {
    return std::make_unique<NeedsSystem>();
}

float NeedsSystem::drainFor(sf::Time gameTime) {
    // Game time back to real time (1/96) in single precision, then the rate per real second.
    const float realSeconds = gameTime.asSeconds() * 0.010416667f;
    return static_cast<float>(realSeconds * -0.05);
}

void NeedsSystem::onPreInit(orv::World* world) {
    timeSystem = world->getSystem<TimeSystem>();
    world->getEntitiesAddedSignal().connectTracked(
        connections, [this](const std::vector<const orv::Entity*>& batch) { onEntitiesAdded(batch); });
    world->getEntitiesRemovedSignal().connectTracked(
        connections, [this](const std::vector<const orv::Entity*>& batch) { onEntitiesRemoved(batch); });
}

void NeedsSystem::onEntitiesAdded(const std::vector<const orv::Entity*>& batch) {
    appendHolders<NeedsComponent>(entities, batch);
}

void NeedsSystem::onEntitiesRemoved(const std::vector<const orv::Entity*>& batch) {
    eraseEntities(entities, batch);
}

void NeedsSystem::onUpdate() {
    const float drain = drainFor(timeSystem->getGameTimeDelta());
    for (const orv::Entity* entity : entities)
        entity->getComponent<NeedsComponent>()->changeNeeds({drain, drain});
}

} // namespace tarsk
