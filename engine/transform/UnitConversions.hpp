#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

namespace orv {

// 16 pixels make one world unit.
inline constexpr float PixelsPerUnit = 16.f;
inline constexpr float UnitsPerPixel = 1.f / PixelsPerUnit;

// A rectangle in pixels as world units.
sf::FloatRect pixelRectToUnits(const sf::FloatRect& rect);
// The direction of v, in radians.
float angleOfVector(const sf::Vector2f& v);
// The unit vector pointing at angle radians.
sf::Vector2f vectorOfAngle(float angle);

} // namespace orv
