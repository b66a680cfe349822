#pragma once

#include "game/animation/Animation.hpp"

#include <memory>
#include <string>

namespace tarsk {

// Makes fresh animations of one id.
class AnimationFactory_base {
public:
    explicit AnimationFactory_base(std::string id);
    AnimationFactory_base(const AnimationFactory_base&) = delete;
    AnimationFactory_base& operator=(const AnimationFactory_base&) = delete;
    virtual ~AnimationFactory_base();

    virtual std::unique_ptr<Animation> create() const = 0;

    const std::string& getId() const { return id; }

private:
    std::string id;
};

} // namespace tarsk
