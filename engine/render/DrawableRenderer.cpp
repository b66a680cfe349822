#include "engine/render/DrawableRenderer.hpp"

namespace orv {

DrawableRenderer::DrawableRenderer(sf::Drawable* drawable) : drawable(drawable) {}

void DrawableRenderer::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (drawable)
        target.draw(*drawable, states);
}

} // namespace orv
