#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Time.hpp>

namespace orv {

// One picture of a tile look: a rectangle of the tile sheet, shown for a while.
struct AnimationFrame {
    sf::IntRect rect;
    sf::Time duration;
};

} // namespace orv
