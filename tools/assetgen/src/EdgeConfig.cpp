#include "tools/assetgen/src/EdgeConfig.hpp"

namespace assetgen {

std::vector<EdgeConfig> EdgeConfig::all() {
    std::vector<EdgeConfig> configs;
    for (int sides = 0; sides < 16; ++sides) {
        EdgeConfig base;
        base.north = sides & 1;
        base.west = sides & 2;
        base.east = sides & 4;
        base.south = sides & 8;
        const bool nwFree = !base.north && !base.west;
        const bool neFree = !base.north && !base.east;
        const bool swFree = !base.south && !base.west;
        const bool seFree = !base.south && !base.east;
        for (int corners = 0; corners < 16; ++corners) {
            // Skip corner bits that a taken side makes meaningless, so each arrangement comes once.
            if (((corners & 1) && !nwFree) || ((corners & 2) && !neFree) || ((corners & 4) && !swFree) ||
                ((corners & 8) && !seFree)) {
                continue;
            }
            EdgeConfig c = base;
            c.northWest = corners & 1;
            c.northEast = corners & 2;
            c.southWest = corners & 4;
            c.southEast = corners & 8;
            if (sides != 0 || corners != 0) {
                configs.push_back(c);
            }
        }
    }
    return configs;
}

Pattern EdgeConfig::pattern() const {
    auto side = [](bool taken) {
        return std::string(taken ? "X" : "O");
    };
    auto corner = [](bool taken, bool coveredBySide) {
        return std::string(coveredBySide ? "?" : taken ? "X" : "O");
    };
    return {corner(northWest, north || west),
            side(north),
            corner(northEast, north || east),
            side(west),
            "?",
            side(east),
            corner(southWest, south || west),
            side(south),
            corner(southEast, south || east)};
}

bool EdgeConfig::describes(const std::array<bool, 9>& occupied) const {
    const Pattern p = pattern();
    for (std::size_t k = 0; k < 9; ++k) {
        if ((p[k] == "X" && !occupied[k]) || (p[k] == "O" && occupied[k])) {
            return false;
        }
    }
    return true;
}

} // namespace assetgen
