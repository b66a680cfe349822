#pragma once

#include "game/animation/Animation.hpp"

#include <SFML/Graphics/Rect.hpp>

#include <cstdint>
#include <optional>
#include <string>

namespace tarsk {

// Shows the frame of the player's sprite sheet that matches the way the player faces. The sheet
// is one row of eight 16 × 32 frames.
class PlayerAnimation : public Animation {
public:
    inline static const std::string Id = "PLAYER_ANIMATION_01";
    static constexpr int FrameWidth = 16;
    static constexpr int FrameHeight = 32;

    PlayerAnimation();

    // Needs the entity's orientation and sprite components. The frame is set anew every frame,
    // so the frame time plays no part; an unknown orientation code leaves the sprite as it is.
    void update(const orv::Entity& entity, sf::Time frameTime) override;

    // The sheet rectangle for an orientation code, none for a code outside 0-7.
    static std::optional<sf::IntRect> frameFor(std::uint32_t orientation);
};

} // namespace tarsk
