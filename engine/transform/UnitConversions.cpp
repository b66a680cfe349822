#include "engine/transform/UnitConversions.hpp"

#include <cmath>

namespace orv {

sf::FloatRect pixelRectToUnits(const sf::FloatRect& rect) {
    constexpr float unitsPerPixel = 0.0625f;
    return {rect.left * unitsPerPixel, rect.top * unitsPerPixel, rect.width * unitsPerPixel,
            rect.height * unitsPerPixel};
}

float angleOfVector(const sf::Vector2f& v) {
    return std::atan2(v.y, v.x);
}

sf::Vector2f vectorOfAngle(float angle) {
    return {std::cos(angle), std::sin(angle)};
}

} // namespace orv
