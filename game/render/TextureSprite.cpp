#include "game/render/TextureSprite.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

namespace tarsk {

void TextureSprite::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    const sf::IntRect rect = sprite.getTextureRect();
    // An empty rectangle shows nothing; binding now would also make SFML widen it to the texture.
    if (!source || rect.width == 0 || rect.height == 0)
        return;
    if (!sprite.getTexture())
        sprite.setTexture(source->get(), false);
    target.draw(sprite, states);
}

} // namespace tarsk
