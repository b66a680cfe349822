#include "game/spawner/SpawnerSystem.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "game/spawner/SpawnerComponent.hpp"
#include "game/time/TimeSystem.hpp"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace tarsk {

SpawnerSystem::SpawnerSystem(EntityMaker makeEntity, const RandomNumberGenerator& random)
    : SerializableSystem_template(0), makeEntity(std::move(makeEntity)), random(random) {
    if (!this->makeEntity)
        throw std::invalid_argument("SpawnerSystem needs a way to make entities");
}

SpawnerSystem::~SpawnerSystem() = default;

std::unique_ptr<SpawnerSystem> SpawnerSystem::create(const nlohmann::json&, EntityMaker makeEntity,
                                                     const RandomNumberGenerator& random) {
    return std::make_unique<SpawnerSystem>(std::move(makeEntity), random);
}

void SpawnerSystem::onPreInit(orv::World* owner) {
    world = owner;
    timeSystem = owner->getSystem<TimeSystem>();
    owner->getEntitiesAddedSignal().connectTracked(
        connections, [this](const std::vector<const orv::Entity*>& batch) { onEntitiesAdded(batch); });
    owner->getEntitiesRemovedSignal().connectTracked(
        connections, [this](const std::vector<const orv::Entity*>& batch) { onEntitiesRemoved(batch); });
}

void SpawnerSystem::onEntitiesAdded(const std::vector<const orv::Entity*>& batch) {
    for (const orv::Entity* entity : batch) {
        if (entity->findComponent<SpawnerComponent>())
            spawners.push_back(entity);
    }
}

void SpawnerSystem::onEntitiesRemoved(const std::vector<const orv::Entity*>& batch) {
    std::erase_if(spawners, [&batch](const orv::Entity* entity) {
        return std::find(batch.begin(), batch.end(), entity) != batch.end();
    });
}

void SpawnerSystem::onUpdate() {
    const sf::Time delta = timeSystem->getGameTimeDelta();
    // A walk over a copy: what the spawners make joins the world, and may itself be a spawner,
    // which then starts with the next frame.
    const std::vector<const orv::Entity*> current = spawners;
    for (const orv::Entity* entity : current)
        entity->getComponent<SpawnerComponent>()->update(*world, delta, makeEntity, random);
}

} // namespace tarsk
