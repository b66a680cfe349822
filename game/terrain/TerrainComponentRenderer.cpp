#include "game/terrain/TerrainComponentRenderer.hpp"

#include "engine/tiles/Tilemap.hpp"

#include <SFML/Graphics/Texture.hpp>

namespace tarsk {

TerrainComponentRenderer::TerrainComponentRenderer(const orv::Tilemap& tilemap) : tilemap(&tilemap) {}

void TerrainComponentRenderer::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    const sf::Vector2u size = tilemap->getPixelSize();
    if (size.x == 0 || size.y == 0)
        return;
    if (!prepareTexture(size)) {
        target.draw(*tilemap, states);
        return;
    }
    // Cleared although the base looks cover every cell: a look with see-through pixels must not
    // keep showing what an earlier frame left there.
    texture->clear(sf::Color::Transparent);
    texture->draw(*tilemap);
    texture->display();
    target.draw(sprite, states);
}

bool TerrainComponentRenderer::prepareTexture(sf::Vector2u size) const {
    if (texture && texture->getSize() == size)
        return true;
    if (size == failedSize)
        return false;
    texture.reset();
    const unsigned maximum = sf::Texture::getMaximumSize();
    auto made = std::make_unique<sf::RenderTexture>();
    if (size.x > maximum || size.y > maximum || !made->create(size.x, size.y)) {
        failedSize = size;
        return false;
    }
    texture = std::move(made);
    sprite.setTexture(texture->getTexture(), true);
    sprite.setPosition(0.f, 0.f);
    return true;
}

} // namespace tarsk
