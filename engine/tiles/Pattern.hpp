#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace orv {

class Tile;

// The nine cells around and including a cell, row by row with y growing downward; cell 4 is
// the cell itself. Neighbours are the same cells without the centre, in the same order.
inline constexpr std::size_t neighbourhoodCentre = 4;
using Neighbourhood = std::array<const Tile*, 9>;
using Neighbours = std::array<const Tile*, 8>;

// One token per neighbourhood cell: "?" anything, "X" the very centre definition, "O" any
// other definition, otherwise a tile id. The centre token is never looked at.
using Pattern = std::array<std::string, 9>;

Neighbourhood makeNeighbourhood(const Tile* centre, const Neighbours& neighbours);

bool matchPattern(const Pattern& pattern, const Neighbourhood& neighbourhood);

} // namespace orv
