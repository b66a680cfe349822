#include "game/needs/AgricultureSystem.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "game/needs/AgricultureComponent.hpp"
#include "game/time/TimeSystem.hpp"

namespace tarsk {

AgricultureSystem::AgricultureSystem() : SerializableSystem_template(0) {}

std::unique_ptr<AgricultureSystem> AgricultureSystem::create(const nlohmann::json&) {
    return std::make_unique<AgricultureSystem>();
}

void AgricultureSystem::onPreInit(orv::World* world) {
    timeSystem = world->getSystem<TimeSystem>();
    entities.follow(*world);
    timeSystem->getTickSignal().connectTracked(connections, [this] { onTick(); });
}

void AgricultureSystem::onTick() {
    const sf::Time delta = timeSystem->getGameTimeDelta();
    entities.forEach([delta](const orv::Entity*, AgricultureComponent& field) { field.grow(delta); });
}

} // namespace tarsk
