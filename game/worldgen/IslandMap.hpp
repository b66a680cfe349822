#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tarsk {

// The ground classes of the island, from deep water (1) to stony peaks (7), of a square map of
// Side × Side cells.
struct IslandCell {
    int x = 0;
    int y = 0;
    int groundClass = 1;
    bool occupied = false;
};

class IslandMap {
public:
    static constexpr int Side = 100;
    // The noise at (x, 0, z) of the sampled volume.
    using Noise = std::function<double(double x, double y, double z)>;

    // Every cell, x in the outer loop and y in the inner one. Cells beyond the circle touching
    // the map's edges are deep water; inside it the noise, weighed down towards the rim, decides.
    static std::vector<IslandCell> classify(const Noise& noise);
    static int classify(int x, int y, double noiseValue);
    // The distance from the centre in units of half the side.
    static double distanceFromCentre(int x, int y);
    // The tile each class is laid with.
    static const std::string& tileIdFor(int groundClass);
};

} // namespace tarsk
