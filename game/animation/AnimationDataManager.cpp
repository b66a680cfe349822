#include "game/animation/AnimationDataManager.hpp"

#include "game/animation/AnimationFactory.hpp"
#include "game/animation/PlayerAnimation.hpp"

#include <stdexcept>
#include <utility>

namespace tarsk {

AnimationDataManager::AnimationDataManager() : AnimationDataManager(createAnimationFactories()) {}

AnimationDataManager::AnimationDataManager(Factories factories) : factories(std::move(factories)) {}

std::unique_ptr<Animation> AnimationDataManager::createAnimation(const std::string& animationId) const {
    for (const std::unique_ptr<AnimationFactory_base>& factory : factories) {
        if (factory->getId() == animationId)
            return factory->create();
    }
    throw std::runtime_error("Unknown animation id: " + animationId);
}

AnimationDataManager::Factories createAnimationFactories() {
    AnimationDataManager::Factories factories;
    factories.push_back(std::make_unique<AnimationFactory<PlayerAnimation>>(PlayerAnimation::Id));
    return factories;
}

} // namespace tarsk
