#pragma once

#include <SFML/System/Vector2.hpp>

#include <vector>

namespace orv {

// The outcome of a path search: the points to walk, in world units, start first.
// A search that found nothing yields no points and is invalid.
class Navpath {
public:
    explicit Navpath(std::vector<sf::Vector2f> points = {});

    bool isValid() const { return valid; }
    const std::vector<sf::Vector2f>& getPath() const { return points; }

private:
    bool valid;
    std::vector<sf::Vector2f> points;
};

} // namespace orv
