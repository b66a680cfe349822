#pragma once

#include "game/animation/AnimationFactory_base.hpp"

#include <memory>
#include <string>
#include <type_traits>

namespace tarsk {

// Makes a default-constructed T for its id.
template <class T>
class AnimationFactory : public AnimationFactory_base {
    static_assert(std::is_base_of_v<Animation, T>, "an animation factory makes animations");

public:
    using AnimationFactory_base::AnimationFactory_base;

    std::unique_ptr<Animation> create() const override { return std::make_unique<T>(); }
};

} // namespace tarsk
