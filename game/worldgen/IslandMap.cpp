#include "game/worldgen/IslandMap.hpp"

#include <cmath>
#include <stdexcept>

namespace tarsk {

namespace {

const std::string StonesSmooth = "STONES_SMOOTH";
const std::string Dirt = "DIRT";
const std::string Grass = "GRASS";
const std::string Sand = "SAND";
const std::string WaterLow = "WATER_LOW";
const std::string WaterDeep = "WATER_DEEP";

} // namespace

double IslandMap::distanceFromCentre(int x, int y) {
    const double half = Side / 2;
    const double dx = x - half;
    const double dy = y - half;
    return std::sqrt(dx * dx + dy * dy) / half;
}

int IslandMap::classify(int x, int y, double noiseValue) {
    const double d = distanceFromCentre(x, y);
    if (d > 1.0)
        return 1;
    const double h = (noiseValue + 1.0) * (1.0 - d);
    if (h > 1.4)
        return 7;
    if (h > 1.3)
        return 6;
    if (h > 0.7)
        return 5;
    if (h > 0.5)
        return 4;
    if (h > 0.4)
        return 3;
    if (h > 0.2)
        return 2;
    return 1;
}

std::vector<IslandCell> IslandMap::classify(const Noise& noise) {
    std::vector<IslandCell> cells;
    cells.reserve(Side * Side);
    for (int x = 0; x < Side; ++x) {
        for (int y = 0; y < Side; ++y)
            cells.push_back({x, y, classify(x, y, noise(x * 0.01, 0.0, y * 0.01)), false});
    }
    return cells;
}

const std::string& IslandMap::tileIdFor(int groundClass) {
    switch (groundClass) {
    case 7:
        return StonesSmooth;
    case 6:
        return Dirt;
    case 5:
        return Grass;
    case 4:
        return Sand;
    case 3:
        return WaterLow;
    case 2:
    case 1:
        return WaterDeep;
    default:
        throw std::out_of_range("No ground class " + std::to_string(groundClass));
    }
}

} // namespace tarsk
