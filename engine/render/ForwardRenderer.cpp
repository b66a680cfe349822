#include "engine/render/ForwardRenderer.hpp"

#include <utility>

namespace orv {

ForwardRenderer::ForwardRenderer(sf::Drawable* drawable) : drawables{drawable} {}

ForwardRenderer::ForwardRenderer(std::vector<sf::Drawable*>&& drawables) : drawables(std::move(drawables)) {}

void ForwardRenderer::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    for (const sf::Drawable* drawable : drawables) {
        if (drawable)
            target.draw(*drawable, states);
    }
}

} // namespace orv
