#pragma once

#include <SFML/Graphics/Image.hpp>

namespace assetgen {

// Creatures. The frog's sheet is a row of 16x16 frames: sitting (the one the game shows),
// crouched to jump, and in the air.
class CreatureSprites {
public:
    static constexpr int kFrogFrames = 3;
    static sf::Image frog();
};

} // namespace assetgen
