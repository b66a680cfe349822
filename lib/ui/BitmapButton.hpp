#pragma once

#include "ui/Button.hpp"

#include <SFML/Graphics/Texture.hpp>

#include <memory>

namespace ui {

// A button that can show an image before its text. Without an image it is a plain button.
class BitmapButton : public Button {
public:
    using Ptr = std::shared_ptr<BitmapButton>;

    static Ptr create(const std::string& text = {});

    void setImage(std::shared_ptr<const sf::Texture> texture);
    const sf::Texture* getImage() const { return image.get(); }

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    std::shared_ptr<const sf::Texture> image;
};

} // namespace ui
