#include "game/animation/AnimationSystem.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "game/animation/AnimationComponent.hpp"
#include "game/time/TimeSystem.hpp"

#include <algorithm>
#include <functional>

namespace tarsk {

AnimationSystem::AnimationSystem() : SerializableSystem_template(0) {}

std::unique_ptr<AnimationSystem> AnimationSystem::create(const nlohmann::json&) {
    return std::make_unique<AnimationSystem>();
}

void AnimationSystem::onPreInit(orv::World* world) {
    timeSystem = world->getSystem<TimeSystem>();
    world->getEntitiesAddedSignal().connectTracked(
        connections, [this](const std::vector<const orv::Entity*>& batch) { onEntitiesAdded(batch); });
    world->getEntitiesRemovedSignal().connectTracked(
        connections, [this](const std::vector<const orv::Entity*>& batch) { onEntitiesRemoved(batch); });
}

void AnimationSystem::onEntitiesAdded(const std::vector<const orv::Entity*>& batch) {
    for (const orv::Entity* entity : batch) {
        if (auto* component = entity->findComponent<AnimationComponent>())
            animated.push_back({entity, component});
    }
}

void AnimationSystem::onEntitiesRemoved(const std::vector<const orv::Entity*>& batch) {
    std::vector<const orv::Entity*> gone(batch);
    std::sort(gone.begin(), gone.end(), std::less<>());
    std::erase_if(animated, [&](const Entry& entry) {
        return std::binary_search(gone.begin(), gone.end(), entry.entity, std::less<>());
    });
}

void AnimationSystem::onUpdate() {
    const sf::Time dt = timeSystem->getGameTimeDelta();
    for (const Entry& entry : animated)
        entry.component->update(*entry.entity, dt);
}

} // namespace tarsk
