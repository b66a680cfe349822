#include "engine/ecs/Component.hpp"

namespace orv {

Component::Component() = default;

Component::~Component() = default;

} // namespace orv
