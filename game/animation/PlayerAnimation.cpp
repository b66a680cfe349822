#include "game/animation/PlayerAnimation.hpp"

#include "engine/ecs/Entity.hpp"
#include "game/orientation/OrientationComponent.hpp"
#include "game/render/SpriteComponent.hpp"

#include <array>

namespace tarsk {

namespace {

// Left edge of each frame by orientation code; the sheet is drawn south, north, east, west,
// then the diagonals.
constexpr std::array<int, 8> frameLeft{
    16,  // NORTH
    0,   // SOUTH
    48,  // WEST
    32,  // EAST
    96,  // NORTH_EAST
    80,  // SOUTH_EAST
    112, // NORTH_WEST
    64,  // SOUTH_WEST
};

} // namespace

PlayerAnimation::PlayerAnimation() : Animation(Id) {}

std::optional<sf::IntRect> PlayerAnimation::frameFor(std::uint32_t orientation) {
    if (orientation >= frameLeft.size())
        return std::nullopt;
    return sf::IntRect(frameLeft[orientation], 0, FrameWidth, FrameHeight);
}

void PlayerAnimation::update(const orv::Entity& entity, sf::Time) {
    const auto* orientation = entity.getComponent<OrientationComponent>();
    auto* sprite = entity.getComponent<SpriteComponent>();
    if (const std::optional<sf::IntRect> frame = frameFor(orientation->getOrientation()))
        sprite->setTextureRect(*frame);
}

} // namespace tarsk
