#include "engine/tiles/Pattern.hpp"

#include "engine/tiles/Tile.hpp"

namespace orv {

Neighbourhood makeNeighbourhood(const Tile* centre, const Neighbours& neighbours) {
    Neighbourhood cells{};
    for (std::size_t k = 0, n = 0; k < cells.size(); ++k)
        cells[k] = k == neighbourhoodCentre ? centre : neighbours[n++];
    return cells;
}

namespace {

bool matchToken(const std::string& token, const Tile* tile, const Tile* centre) {
    if (token == "?")
        return true;
    // Definitions are compared by identity: two tiles loaded with one id are still different.
    if (token == "X")
        return tile == centre;
    if (token == "O")
        return tile != centre;
    return tile != nullptr && tile->getTileId() == token;
}

} // namespace

bool matchPattern(const Pattern& pattern, const Neighbourhood& neighbourhood) {
    const Tile* centre = neighbourhood[neighbourhoodCentre];
    for (std::size_t k = 0; k < pattern.size(); ++k) {
        if (k != neighbourhoodCentre && !matchToken(pattern[k], neighbourhood[k], centre))
            return false;
    }
    return true;
}

} // namespace orv
