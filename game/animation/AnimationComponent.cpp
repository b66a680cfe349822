#include "game/animation/AnimationComponent.hpp"

#include "engine/resources/RequiredJsonValue.hpp"
#include "game/animation/AnimationDataManager.hpp"
#include "game/json/JsonObject.hpp"

#include <stdexcept>
#include <utility>

namespace tarsk {

AnimationComponent::AnimationComponent(std::unique_ptr<Animation> animation)
    : animation(std::move(animation)) {
    if (!this->animation)
        throw std::invalid_argument("An animation component needs an animation");
}

std::unique_ptr<AnimationComponent> AnimationComponent::fromJson(const nlohmann::json& data,
                                                                 const AnimationDataManager& animations) {
    requireJsonObject(data);
    const auto animationId = orv::getRequiredJsonValue<std::string>(data, "AnimationId");
    return std::make_unique<AnimationComponent>(animations.createAnimation(animationId));
}

nlohmann::json AnimationComponent::toJsonData() const {
    return {{"AnimationId", animation->getId()}};
}

} // namespace tarsk
