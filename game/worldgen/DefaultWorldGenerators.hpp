#pragma once

#include "game/worldgen/WorldGeneratorManager.hpp"

namespace tarsk {

// The game's generators: a 100 × 100 meadow, the island, the dungeon.
WorldGeneratorManager::Generators makeDefaultWorldGenerators();

} // namespace tarsk
