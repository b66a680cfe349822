#include "game/spawner/SpawnerSystem.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "game/spawner/SpawnerComponent.hpp"
#include "game/time/TimeSystem.hpp"

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
    spawners.follow(*owner);
}

void SpawnerSystem::onUpdate() {
    const sf::Time delta = timeSystem->getGameTimeDelta();
    // What the spawners make joins the world, and may itself be a spawner, which then starts
    // with the next frame.
    spawners.forEach([this, delta](const orv::Entity*, SpawnerComponent& spawner) {
        spawner.update(*world, delta, makeEntity, random);
    });
}

} // namespace tarsk
