#pragma once

#include "game/animation/Animation.hpp"
#include "game/animation/AnimationFactory_base.hpp"

#include <memory>
#include <string>
#include <vector>

namespace tarsk {

// The animation factories of the game, looked up by id.
class AnimationDataManager {
public:
    using Factories = std::vector<std::unique_ptr<AnimationFactory_base>>;

    // The game's own factories (createAnimationFactories).
    AnimationDataManager();
    explicit AnimationDataManager(Factories factories);

    // A new animation from the first factory with exactly this id; an id that no factory has
    // throws std::runtime_error naming it.
    std::unique_ptr<Animation> createAnimation(const std::string& animationId) const;

    const Factories& getFactories() const { return factories; }

private:
    Factories factories;
};

// Every animation the game knows: "PLAYER_ANIMATION_01", the player's facing frames.
AnimationDataManager::Factories createAnimationFactories();

} // namespace tarsk
