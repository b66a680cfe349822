#pragma once

#include "engine/ecs/Entity.hpp"

#include <memory>

namespace tarsk {

// An initialised camera entity at the origin showing 80 × 45 world units (1280 × 720 pixels).
std::unique_ptr<orv::Entity> createCameraEntity();

} // namespace tarsk
