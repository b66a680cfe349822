#pragma once

#include "tools/assetgen/src/Score.hpp"

namespace assetgen {

// The background track: eight bars in A minor (Am F C G Am F Dm E), a square-wave lead over a
// pulse arpeggio, a triangle bass and soft noise drums. The E major bar leads back into the
// first, so the piece loops.
class Composition {
public:
    static Score melancholyLoop();
};

} // namespace assetgen
