#include "game/animation/AnimationSystem.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "game/animation/AnimationComponent.hpp"
#include "game/time/TimeSystem.hpp"

namespace tarsk {

AnimationSystem::AnimationSystem() : SerializableSystem_template(0) {}

std::unique_ptr<AnimationSystem> AnimationSystem::create(const nlohmann::json&) {
    return std::make_unique<AnimationSystem>();
}

void AnimationSystem::onPreInit(orv::World* world) {
    timeSystem = world->getSystem<TimeSystem>();
    animated.follow(*world);
}

void AnimationSystem::onUpdate() {
    const sf::Time dt = timeSystem->getGameTimeDelta();
    animated.forEach(
        [dt](const orv::Entity* entity, AnimationComponent& animation) { animation.update(*entity, dt); });
}

} // namespace tarsk
