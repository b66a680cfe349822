#include "game/needs/NeedsSystem.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
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
    entities.follow(*world);
}

void NeedsSystem::onUpdate() {
    const float drain = drainFor(timeSystem->getGameTimeDelta());
    // A listener of the change may add or remove entities.
    entities.forEach([drain](const orv::Entity*, NeedsComponent& needs) {
        needs.changeNeeds({drain, drain});
    });
}

} // namespace tarsk
