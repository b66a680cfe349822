#include "app/player/PlayerFacing.hpp"

#include "game/orientation/Facing.hpp"

#include <cmath>

namespace tarsk {

OrientationComponent::Orientation playerFacingTowards(sf::Vector2f player, sf::Vector2f mouse) {
    const float radians = std::atan2(mouse.y - player.y, mouse.x - player.x);
    const float degrees = radians * 180.f / 3.1415927f;
    return facingForAngle(degrees);
}

} // namespace tarsk
