#pragma once

#include "tools/assetgen/src/Canvas.hpp"
#include "tools/assetgen/src/EdgeConfig.hpp"
#include "tools/assetgen/src/EdgeField.hpp"

namespace assetgen {

// How a higher tile's rim looks where it lies over a lower cell.
enum class EdgeStyle { Grass, Dirt, Stones, ShallowWater, DeepWater };

// Paints overlay pieces: the higher tile's own pixels where it reaches into the lower cell, and a
// rim in the style of that tile (foam on a shoreline, blade tips on grass, a shadowed lip on rock).
class TransitionPainter {
public:
    static EdgeShape shapeFor(EdgeStyle style, int frame);

    // `source` is the higher tile's look for this frame; `target` a transparent 16x16 canvas.
    static void paint(Canvas& target, const Canvas& source, const EdgeConfig& config, EdgeStyle style,
                      int frame);
};

} // namespace assetgen
