#pragma once

#include <SFML/System/Vector3.hpp>

namespace tarsk {

// Draw order of sort positions: by z, then y, then x, ascending; earlier is further back.
// A NaN coordinate counts as larger than every number and equal to another NaN, so the order
// stays a strict weak order whatever a transform holds.
bool drawsBefore(const sf::Vector3f& a, const sf::Vector3f& b);

} // namespace tarsk
