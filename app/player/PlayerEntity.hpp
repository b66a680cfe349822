#pragma once

#include "engine/ecs/Entity.hpp"

#include <memory>

namespace orv {
class ResourceManager;
}

namespace tarsk {

class AnimationDataManager;

// A fresh player for a game that has none saved: at the origin facing south, with full health
// and needs, an empty inventory and level 1. Not initialised.
std::unique_ptr<orv::Entity> createPlayerEntity(orv::ResourceManager& resources,
                                                const AnimationDataManager& animations);

} // namespace tarsk
