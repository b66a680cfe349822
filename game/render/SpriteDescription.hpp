#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstdint>
#include <string>

namespace tarsk {

// How a sprite looks, as the JSON reader and the entity factories describe it.
struct SpriteDescription {
    // Path of the texture resource, e.g. a file under ./data/.
    std::string textureResourceId;
    // Which point of the picture gives the sort offset, 0 to 8 (see anchorOffset).
    std::int32_t anchor = 4;
    // Pixels added to the centre, multiplied by the entity's scale.
    sf::Vector2f positionOffset{0.f, 0.f};
    // Degrees added to the entity's rotation.
    float rotationOffset = 0.f;
    // The part of the texture shown; all zero for the whole texture.
    sf::IntRect textureRect{0, 0, 0, 0};
    // Displayed size in pixels at entity scale 1: one world unit by default.
    sf::Vector2f baseSize{16.f, 16.f};
};

} // namespace tarsk
