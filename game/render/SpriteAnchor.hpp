#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstdint>

namespace tarsk {

bool isValidAnchor(std::int32_t anchor);

// Throws std::invalid_argument for an anchor outside 0-8.
std::int32_t checkedAnchor(std::int32_t anchor);

// The anchor point relative to the centre of a picture of the bounds' size. Anchors run down the
// columns: anchor / 3 picks left, centre or right, anchor % 3 top, middle or bottom; 4 is the
// centre, 5 the middle of the bottom edge. Throws std::invalid_argument outside 0-8.
sf::Vector2f anchorOffset(std::int32_t anchor, const sf::FloatRect& bounds);

} // namespace tarsk
