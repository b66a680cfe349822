#include "ui/Picture.hpp"

#include <SFML/Graphics/Sprite.hpp>

namespace ui {

Picture::Picture() {
    updateLayout();
}

Picture::Ptr Picture::create(std::shared_ptr<const sf::Texture> texture) {
    auto picture = std::make_shared<Picture>();
    picture->setTexture(std::move(texture));
    return picture;
}

Picture::Ptr Picture::create(const sf::Texture& texture) {
    auto picture = std::make_shared<Picture>();
    picture->setTexture(texture);
    return picture;
}

void Picture::setTexture(std::shared_ptr<const sf::Texture> newTexture) {
    owned = std::move(newTexture);
    texture = owned.get();
    updateLayout();
}

void Picture::setTexture(const sf::Texture& newTexture) {
    owned.reset();
    texture = &newTexture;
    updateLayout();
}

std::optional<sf::Vector2f> Picture::getNaturalSize() const {
    if (!texture)
        return sf::Vector2f();
    return sf::Vector2f(texture->getSize());
}

void Picture::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!texture)
        return;
    const sf::Vector2u textureSize = texture->getSize();
    if (textureSize.x == 0 || textureSize.y == 0)
        return;
    sf::Sprite sprite(*texture);
    sprite.setScale(getSize().x / static_cast<float>(textureSize.x),
                    getSize().y / static_cast<float>(textureSize.y));
    target.draw(sprite, states);
}

} // namespace ui
