#pragma once

#include "engine/tiles/Pattern.hpp"
#include "engine/tiles/Variant.hpp"

#include <array>
#include <cstddef>

namespace orv {

// What one cell of a tile map shows: its tile's look and up to eight overlays painted by
// neighbours of higher stacking priority. Overlay slot 0 is drawn lowest; unused slots are null.
struct CellLook {
    static constexpr std::size_t maxOverlays = 8;

    const Variant* variant = nullptr;
    std::array<const Variant*, maxOverlays> overlays{};

    std::size_t overlayCount() const;
};

// A cell on the edge of a map has no full neighbourhood: it shows its default look, bare.
CellLook borderCellLook(const Tile& centre);

// The look of an inner cell. Each neighbouring tile id of higher priority than the centre
// contributes at most one overlay (from its first cell in neighbourhood order); overlays are
// stacked by that tile's priority, lower first, ties in neighbourhood order.
CellLook innerCellLook(const Tile& centre, const Neighbours& neighbours);

} // namespace orv
