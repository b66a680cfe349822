#pragma once

#include "ui/ClickableWidget.hpp"

#include <string>

namespace ui {

// A push button with centred text; it sizes itself to its text until a size is set. onPress
// fires on a left click.
class Button : public ClickableWidget {
public:
    using Ptr = std::shared_ptr<Button>;
    static constexpr float horizontalPadding = 10.f;
    static constexpr float verticalPadding = 4.f;

    Button();
    static Ptr create(const std::string& text = {});

    void setText(const std::string& text);
    const std::string& getText() const { return text; }

    smartsignals::Signal<void()> onPress;

protected:
    std::optional<sf::Vector2f> getNaturalSize() const override;
    void clicked(sf::Vector2f position) override;
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;
    sf::Color currentBackground() const;
    void drawCaption(sf::RenderTarget& target, const sf::RenderStates& states, sf::FloatRect area) const;

private:
    std::string text;
    std::u32string characters;
};

} // namespace ui
