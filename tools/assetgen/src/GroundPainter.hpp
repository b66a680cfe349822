#pragma once

#include "tools/assetgen/src/Canvas.hpp"

namespace assetgen {

// Paints the ground tiles. Every routine paints a whole 16x16 wrapping canvas so the tile repeats
// without seams; water takes one of four animation frames that loop.
class GroundPainter {
public:
    static constexpr int kWaterFrames = 4;

    static void grass(Canvas& c);
    // Grass thinned by sand blown in from a beach next to it.
    static void sandyGrass(Canvas& c);
    // Grass with reeds, where it meets shallow water.
    static void reedGrass(Canvas& c);
    static void dirt(Canvas& c);
    // Dirt strewn with pebbles rolled down from stony ground.
    static void pebbleDirt(Canvas& c);
    static void sand(Canvas& c);
    // Darker, damp sand along the waterline.
    static void wetSand(Canvas& c);
    static void shallowWater(Canvas& c, int frame);
    static void deepWater(Canvas& c, int frame);
    // Deep water far from any shore, with whitecaps.
    static void openSea(Canvas& c, int frame);
    static void stones(Canvas& c);
    // Smooth stones with moss creeping in from grass.
    static void mossyStones(Canvas& c);
    static void planks(Canvas& c);
};

} // namespace assetgen
