#include "ui/Button.hpp"

#include "ui/ClipScope.hpp"
#include "ui/Painter.hpp"
#include "ui/Utf8.hpp"

namespace ui {

Button::Button() {
    renderer.setBackgroundColor(sf::Color(245, 245, 245));
    renderer.setBackgroundColorHover(sf::Color(255, 255, 255));
    renderer.setBackgroundColorDown(sf::Color(210, 210, 210));
    renderer.setBackgroundColorDisabled(sf::Color(230, 230, 230));
    renderer.setBorders(1.f);
    renderer.setTextColorHover(sf::Color::Black);
    updateLayout();
}

Button::Ptr Button::create(const std::string& text) {
    auto button = std::make_shared<Button>();
    button->setText(text);
    return button;
}

void Button::setText(const std::string& newText) {
    if (newText == text)
        return;
    text = newText;
    characters = fromUtf8(text);
    updateLayout();
    requisitionChanged();
}

std::optional<sf::Vector2f> Button::getNaturalSize() const {
    const TextMetrics metrics = getTextMetrics();
    return sf::Vector2f(metrics.getLineWidth(characters, getTextSize()) + 2 * horizontalPadding,
                        metrics.getLineSpacing(getTextSize()) + 2 * verticalPadding);
}

void Button::clicked(sf::Vector2f position) {
    emitSignal(onPress);
    ClickableWidget::clicked(position);
}

sf::Color Button::currentBackground() const {
    if (!isEnabled())
        return renderer.getBackgroundColorDisabled();
    if (isMouseDown() && isHovered())
        return renderer.getBackgroundColorDown();
    if (isHovered())
        return renderer.getBackgroundColorHover();
    return renderer.getBackgroundColor();
}

void Button::drawCaption(sf::RenderTarget& target, const sf::RenderStates& states, sf::FloatRect area) const {
    const TextMetrics metrics = getTextMetrics();
    if (!metrics.getFont() || characters.empty())
        return;
    const ClipScope clip(target, states, area);
    if (clip.isEmpty())
        return;
    sf::Color color = renderer.getTextColor();
    if (!isEnabled())
        color = renderer.getTextColorDisabled();
    else if (isHovered())
        color = renderer.getTextColorHover();
    const sf::Vector2f textSize(metrics.getLineWidth(characters, getTextSize()),
                                metrics.getLineSpacing(getTextSize()));
    const sf::Vector2f origin(area.left + (area.width - textSize.x) / 2.f,
                              area.top + (area.height - textSize.y) / 2.f);
    drawText(target, states, *metrics.getFont(), characters, origin,
             {getTextSize(), color, renderer.getTextOutlineColor(), renderer.getTextOutlineThickness()});
}

void Button::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    const sf::FloatRect area({0.f, 0.f}, getSize());
    fillRect(target, states, area, currentBackground());
    drawBorders(target, states, area, renderer.getBorders(), renderer.getBorderColor());
    drawCaption(target, states, area);
}

} // namespace ui
