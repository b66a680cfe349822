#include "ui/BitmapButton.hpp"

#include "ui/Painter.hpp"

#include <SFML/Graphics/Sprite.hpp>

#include <algorithm>

namespace ui {

BitmapButton::Ptr BitmapButton::create(const std::string& text) {
    auto button = std::make_shared<BitmapButton>();
    button->setText(text);
    return button;
}

void BitmapButton::setImage(std::shared_ptr<const sf::Texture> texture) {
    image = std::move(texture);
}

void BitmapButton::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    const sf::FloatRect area({0.f, 0.f}, getSize());
    fillRect(target, states, area, currentBackground());
    drawBorders(target, states, area, renderer.getBorders(), renderer.getBorderColor());
    sf::FloatRect captionArea = area;
    if (image) {
        const sf::Vector2u textureSize = image->getSize();
        const float side = std::max(area.height - 2 * verticalPadding, 0.f);
        if (textureSize.x > 0 && textureSize.y > 0 && side > 0.f) {
            const float scale = side / static_cast<float>(std::max(textureSize.x, textureSize.y));
            sf::Sprite sprite(*image);
            sprite.setScale(scale, scale);
            const float width = static_cast<float>(textureSize.x) * scale;
            const bool alone = getText().empty();
            const float x = alone ? (area.width - width) / 2.f : verticalPadding;
            sprite.setPosition(x, (area.height - static_cast<float>(textureSize.y) * scale) / 2.f);
            target.draw(sprite, states);
            captionArea.left = x + width;
            captionArea.width = std::max(area.width - captionArea.left, 0.f);
        }
    }
    drawCaption(target, states, captionArea);
}

} // namespace ui
