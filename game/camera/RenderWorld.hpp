#pragma once

#include <SFML/Graphics/RenderTarget.hpp>

namespace tarsk {

class CameraComponent;
class RenderSystem;

// One frame of a world seen through a camera, onto a target cleared by the caller: the
// renderables in draw order, then the light map multiplied over the whole target.
void renderWorld(sf::RenderTarget& target, RenderSystem& renderSystem, CameraComponent& camera);

} // namespace tarsk
