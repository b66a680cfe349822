#pragma once

#include "ui/ClickableWidget.hpp"

#include <SFML/Graphics/Texture.hpp>

#include <memory>

namespace ui {

// A texture stretched over the widget; as large as the texture until a size is set. The shared
// form keeps the texture alive; the reference form leaves that to the caller (a texture cache).
class Picture : public ClickableWidget {
public:
    using Ptr = std::shared_ptr<Picture>;

    Picture();
    static Ptr create(std::shared_ptr<const sf::Texture> texture);
    static Ptr create(const sf::Texture& texture);

    void setTexture(std::shared_ptr<const sf::Texture> texture);
    void setTexture(const sf::Texture& texture);
    const sf::Texture* getTexture() const { return texture; }

protected:
    std::optional<sf::Vector2f> getNaturalSize() const override;
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    std::shared_ptr<const sf::Texture> owned;
    const sf::Texture* texture = nullptr;
};

} // namespace ui
