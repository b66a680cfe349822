#pragma once

#include "game/factories/EntityFactory.hpp"

#include <vector>

namespace tarsk {

// The thirteen objects built into the game, from the tree to the old man in the dungeon.
std::vector<EntityFactory> generateDefaultEntityFactories();

} // namespace tarsk
