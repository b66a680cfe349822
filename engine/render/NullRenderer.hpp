#pragma once

#include "engine/render/Renderer.hpp"

namespace orv {

// Draws nothing: the renderer of things that are not (yet) visible.
class NullRenderer : public Renderer {
public:
    NullRenderer() = default;
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;
};

} // namespace orv
