#pragma once

#include <SFML/Graphics/Rect.hpp>

namespace orv {
class Entity;
}

namespace tarsk {

// The bounding box of the first fixture of the target's body, in world units; (0, 0, 0, 0) when
// the target has no physics component, or its component is not in a simulation.
sf::FloatRect bodyBounds(const orv::Entity& target);

// Whether the point lies in the rectangle, whichever way its width and height point: lower
// edges inside, upper edges outside.
bool boundsContain(const sf::FloatRect& bounds, sf::Vector2f point);

} // namespace tarsk
