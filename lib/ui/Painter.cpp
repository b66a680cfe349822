#include "ui/Painter.hpp"

#include "ui/Scrollbar.hpp"
#include "ui/Utf8.hpp"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Text.hpp>

#include <algorithm>
#include <cmath>

namespace ui {

void fillRect(sf::RenderTarget& target, const sf::RenderStates& states, sf::FloatRect rect, sf::Color color) {
    if (color.a == 0 || rect.width <= 0.f || rect.height <= 0.f)
        return;
    sf::RectangleShape shape({rect.width, rect.height});
    shape.setPosition(rect.left, rect.top);
    shape.setFillColor(color);
    target.draw(shape, states);
}

void drawBorders(sf::RenderTarget& target, const sf::RenderStates& states, sf::FloatRect rect,
                 float thickness, sf::Color color) {
    if (thickness <= 0.f || color.a == 0)
        return;
    const float t = std::min({thickness, rect.width / 2.f, rect.height / 2.f});
    fillRect(target, states, {rect.left, rect.top, rect.width, t}, color);
    fillRect(target, states, {rect.left, rect.top + rect.height - t, rect.width, t}, color);
    fillRect(target, states, {rect.left, rect.top + t, t, rect.height - 2 * t}, color);
    fillRect(target, states, {rect.left + rect.width - t, rect.top + t, t, rect.height - 2 * t}, color);
}

sf::FloatRect insideBorders(sf::FloatRect rect, float thickness) {
    return {rect.left + thickness, rect.top + thickness, std::max(rect.width - 2 * thickness, 0.f),
            std::max(rect.height - 2 * thickness, 0.f)};
}

void drawScrollbar(sf::RenderTarget& target, const sf::RenderStates& states, const Scrollbar& scrollbar,
                   sf::FloatRect area) {
    if (!scrollbar.isNeeded())
        return;
    const sf::FloatRect track(area.left + area.width - Scrollbar::width, area.top, Scrollbar::width,
                              area.height);
    fillRect(target, states, track, sf::Color(220, 220, 220));
    fillRect(target, states, scrollbar.getThumb(track), sf::Color(160, 160, 160));
}

void drawText(sf::RenderTarget& target, const sf::RenderStates& states, const sf::Font& font,
              std::u32string_view text, sf::Vector2f position, const TextStyle& style) {
    if (text.empty() || style.color.a == 0)
        return;
    sf::Text shape(toSfString(text), font, style.size);
    shape.setFillColor(style.color);
    if (style.outlineThickness > 0.f) {
        shape.setOutlineColor(style.outlineColor);
        shape.setOutlineThickness(style.outlineThickness);
    }
    const sf::Vector2f absolute = states.transform.transformPoint(position);
    shape.setPosition(std::round(absolute.x), std::round(absolute.y));
    sf::RenderStates flat = states;
    flat.transform = sf::Transform::Identity;
    target.draw(shape, flat);
}

} // namespace ui
