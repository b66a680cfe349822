#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/RenderTarget.hpp>

#include <string_view>

namespace ui {

class Scrollbar;

struct TextStyle {
    unsigned size = 13;
    sf::Color color = sf::Color::Black;
    sf::Color outlineColor = sf::Color::Transparent;
    float outlineThickness = 0.f;
};

// The few shapes every widget is drawn from. Fully transparent colours draw nothing.
void fillRect(sf::RenderTarget& target, const sf::RenderStates& states, sf::FloatRect rect, sf::Color color);
void drawBorders(sf::RenderTarget& target, const sf::RenderStates& states, sf::FloatRect rect,
                 float thickness, sf::Color color);
// The rectangle inside borders of the given thickness.
sf::FloatRect insideBorders(sf::FloatRect rect, float thickness);
// The track and thumb along the right edge of the area, when the content does not fit.
void drawScrollbar(sf::RenderTarget& target, const sf::RenderStates& states, const Scrollbar& scrollbar,
                   sf::FloatRect area);
// One line of text with its line box's top-left corner at position, snapped to whole pixels so
// glyphs stay sharp.
void drawText(sf::RenderTarget& target, const sf::RenderStates& states, const sf::Font& font,
              std::u32string_view text, sf::Vector2f position, const TextStyle& style);

} // namespace ui
