#pragma once

#include <SFML/Graphics/RenderTarget.hpp>

namespace orv {
class Entity;
}

namespace tarsk {

// Draws the world a camera entity is in, through that camera: the renderables in draw order,
// the light map multiplied over the whole target, and on request the physics shapes on top.
// The camera's world needs a render system (and a physics system for the shapes), the entity a
// camera component; otherwise the lookups throw std::logic_error.
class WorldRenderPass {
public:
    static void draw(sf::RenderTarget& target, const orv::Entity& camera, bool showPhysics);
};

} // namespace tarsk
