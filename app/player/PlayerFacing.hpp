#pragma once

#include "game/orientation/OrientationComponent.hpp"

#include <SFML/System/Vector2.hpp>

namespace tarsk {

// Which way the player looks when the mouse points at the given world position. The angle is
// taken in single precision, as the facing of saved games and animations was tuned with it.
OrientationComponent::Orientation playerFacingTowards(sf::Vector2f player, sf::Vector2f mouse);

} // namespace tarsk
