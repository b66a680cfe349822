#include "engine/tiles/CellLook.hpp"

#include "engine/tiles/Tile.hpp"

#include <algorithm>
#include <cstdint>

namespace orv {

std::size_t CellLook::overlayCount() const {
    return static_cast<std::size_t>(std::count_if(overlays.begin(), overlays.end(),
                                                  [](const Variant* overlay) { return overlay != nullptr; }));
}

CellLook borderCellLook(const Tile& centre) {
    CellLook look;
    look.variant = &centre.getDefaultVariant();
    return look;
}

namespace {

struct Overlay {
    const Variant* variant;
    std::int32_t priority;
};

} // namespace

CellLook innerCellLook(const Tile& centre, const Neighbours& neighbours) {
    CellLook look;
    look.variant = centre.hasVariants() ? &centre.selectVariant(neighbours) : &centre.getDefaultVariant();

    const std::int32_t ownPriority = centre.getStackingPriority();
    // A transition sees lower cells as if they held the centre tile, so its edge follows the
    // shape of everything it paints over rather than each kind of ground separately.
    Neighbours seen = neighbours;
    for (const Tile*& tile : seen) {
        if (tile->getStackingPriority() < ownPriority)
            tile = &centre;
    }

    std::array<const std::string*, CellLook::maxOverlays> handled{};
    std::size_t handledCount = 0;
    std::array<Overlay, CellLook::maxOverlays> found{};
    std::size_t foundCount = 0;
    for (const Tile* neighbour : neighbours) {
        if (neighbour->getStackingPriority() <= ownPriority)
            continue;
        const std::string& id = neighbour->getTileId();
        const auto handledEnd = handled.begin() + static_cast<std::ptrdiff_t>(handledCount);
        if (std::any_of(handled.begin(), handledEnd,
                        [&](const std::string* seenId) { return *seenId == id; }))
            continue;
        handled[handledCount++] = &id;
        if (const Variant* overlay = neighbour->selectTransition(seen))
            found[foundCount++] = Overlay{overlay, neighbour->getStackingPriority()};
    }

    const auto foundEnd = found.begin() + static_cast<std::ptrdiff_t>(foundCount);
    std::stable_sort(found.begin(), foundEnd,
                     [](const Overlay& a, const Overlay& b) { return a.priority < b.priority; });
    for (std::size_t i = 0; i < foundCount; ++i)
        look.overlays[i] = found[i].variant;
    return look;
}

} // namespace orv
