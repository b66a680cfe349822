#pragma once

#include <SFML/System/Vector2.hpp>

namespace orv {

// True when segment p1p2 and segment q1q2 share at least one point, ends included.
bool segmentsIntersect(sf::Vector2f p1, sf::Vector2f p2, sf::Vector2f q1, sf::Vector2f q2);

} // namespace orv
