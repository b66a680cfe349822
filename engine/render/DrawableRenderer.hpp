#pragma once

#include "engine/render/Renderer.hpp"

namespace orv {

// Draws one drawable it does not own; with none it draws nothing.
class DrawableRenderer : public Renderer {
public:
    explicit DrawableRenderer(sf::Drawable* drawable);
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

    sf::Drawable* getDrawable() const { return drawable; }

private:
    sf::Drawable* drawable;
};

} // namespace orv
