#include "engine/transform/UnitConversions.hpp"

#include <cmath>

namespace orv {

sf::FloatRect pixelRectToUnits(const sf::FloatRect& rect) {
    return {rect.left * UnitsPerPixel, rect.top * UnitsPerPixel, rect.width * UnitsPerPixel,
            rect.height * UnitsPerPixel};
}

float angleOfVector(const sf::Vector2f& v) {
    return std::atan2(v.y, v.x);
}

sf::Vector2f vectorOfAngle(float angle) {
    return {std::cos(angle), std::sin(angle)};
}

} // namespace orv
