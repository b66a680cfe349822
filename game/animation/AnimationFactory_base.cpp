#include "game/animation/AnimationFactory_base.hpp"

#include <utility>

namespace tarsk {

AnimationFactory_base::AnimationFactory_base(std::string id) : id(std::move(id)) {}

AnimationFactory_base::~AnimationFactory_base() = default;

} // namespace tarsk
