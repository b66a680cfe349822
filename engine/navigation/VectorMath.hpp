#pragma once

#include <SFML/System/Vector2.hpp>

#include <cmath>

namespace orv::vecmath {

inline float length(sf::Vector2f v) {
    return std::hypot(v.x, v.y);
}

inline float distance(sf::Vector2f a, sf::Vector2f b) {
    return length(b - a);
}

// A zero vector has no direction and is returned as is rather than turned into NaNs.
inline sf::Vector2f unit(sf::Vector2f v) {
    const float squared = v.x * v.x + v.y * v.y;
    if (squared > 0.f)
        return v / std::sqrt(squared);
    return v;
}

} // namespace orv::vecmath
