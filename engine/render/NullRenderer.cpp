#include "engine/render/NullRenderer.hpp"

namespace orv {

void NullRenderer::draw(sf::RenderTarget&, sf::RenderStates) const {}

} // namespace orv
