#include "game/animation/Animation.hpp"

#include <utility>

namespace tarsk {

Animation::Animation(std::string id) : id(std::move(id)) {}

Animation::~Animation() = default;

} // namespace tarsk
