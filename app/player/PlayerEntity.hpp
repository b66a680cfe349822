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

// Throws std::runtime_error naming the first component the player's state and screens need that
// the entity lacks: where it stands and faces, how it is drawn, its body, health, level, fighter,
// inventory and dialogue receiver.
void requirePlayerComponents(const orv::Entity& player);

} // namespace tarsk
