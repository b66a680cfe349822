#include "game/orientation/Facing.hpp"

#include "engine/common/Finite.hpp"

#include <cmath>
#include <numbers>

namespace tarsk {

namespace {

using Orientation = OrientationComponent::Orientation;

// Indexed by sector angle / 45, matching OrientationComponent::angleOf.
constexpr Orientation BySector[8] = {
    OrientationComponent::SOUTH,      OrientationComponent::SOUTH_WEST, OrientationComponent::WEST,
    OrientationComponent::NORTH_WEST, OrientationComponent::NORTH,      OrientationComponent::NORTH_EAST,
    OrientationComponent::EAST,       OrientationComponent::SOUTH_EAST,
};

} // namespace

Orientation facingForAngle(double degrees) {
    if (!orv::isFinite(degrees))
        return OrientationComponent::EAST;
    // atan2 counts clockwise from the right on a y-down screen, the codes clockwise from straight
    // down: -90 degrees, plus half a sector so that dividing by 45 centres each sector, is +292.5.
    const long long shifted = std::llround(degrees + 292.5);
    const long long wrapped = ((shifted % 360) + 360) % 360;
    return BySector[wrapped / 45];
}

Orientation facingFor(sf::Vector2f direction) {
    return facingForAngle(std::atan2(double(direction.y), double(direction.x)) * 180.0 / std::numbers::pi);
}

} // namespace tarsk
