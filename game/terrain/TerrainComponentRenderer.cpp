#include "game/terrain/TerrainComponentRenderer.hpp"

#include "engine/tiles/Tilemap.hpp"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/View.hpp>

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
    const sf::IntRect changed = tilemap->takeChangedCells();
    if (changed.width > 0 && changed.height > 0)
        redraw(changed);
    target.draw(sprite, states);
}

void TerrainComponentRenderer::redraw(const sf::IntRect& cells) const {
    const float tile = static_cast<float>(tilemap->getTileSize());
    const sf::Vector2f size(texture->getSize());
    const sf::FloatRect area(cells.left * tile, cells.top * tile, cells.width * tile, cells.height * tile);
    // A view of just that area, shown on just its pixels: the map's other squares fall outside
    // the viewport and leave the pixels there as they are.
    sf::View view(area);
    view.setViewport({area.left / size.x, area.top / size.y, area.width / size.x, area.height / size.y});
    texture->setView(view);
    // Cleared although the base looks cover every cell: a look with see-through pixels must not
    // keep showing what was drawn there before.
    sf::RectangleShape clear({area.width, area.height});
    clear.setPosition(area.left, area.top);
    clear.setFillColor(sf::Color::Transparent);
    texture->draw(clear, sf::BlendNone);
    texture->draw(*tilemap);
    texture->setView(texture->getDefaultView());
    texture->display();
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
    // A new texture holds nothing yet.
    static_cast<void>(tilemap->takeChangedCells());
    redraw(sf::IntRect(0, 0, tilemap->getSize().x, tilemap->getSize().y));
    sprite.setTexture(texture->getTexture(), true);
    sprite.setPosition(0.f, 0.f);
    return true;
}

} // namespace tarsk
