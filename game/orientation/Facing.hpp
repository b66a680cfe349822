#pragma once

#include "game/orientation/OrientationComponent.hpp"

#include <SFML/System/Vector2.hpp>

namespace tarsk {

// The orientation of something looking along a direction in world coordinates (y points down
// the screen). Each code covers a 45-degree sector centred on its direction; the sector edges lie
// where atan2 (degrees) + 292.5, rounded half away from zero, crosses a multiple of 45. No
// direction at all (zero, or NaN) faces EAST, as atan2(0, 0) = 0 does.
OrientationComponent::Orientation facingFor(sf::Vector2f direction);

// The same for the atan2 angle of the direction, in degrees (-180 to 180).
OrientationComponent::Orientation facingForAngle(double degrees);

} // namespace tarsk
