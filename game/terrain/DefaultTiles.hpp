#pragma once

#include "engine/tiles/Tile.hpp"

#include <vector>

namespace tarsk {

// Ground kinds that exist even without tile files: each shows one still 16 × 16 rectangle of
// the tile sheet and uses its id as its name. The root state puts them first in its tile set.
std::vector<orv::Tile> generateDefaultTileDefinitions();

} // namespace tarsk
