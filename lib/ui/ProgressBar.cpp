#include "ui/ProgressBar.hpp"

#include "ui/Painter.hpp"

#include <algorithm>

namespace ui {

ProgressBar::ProgressBar() {
    renderer.setBackgroundColor(sf::Color(245, 245, 245));
    renderer.setFillColor(sf::Color(0, 110, 200));
    renderer.setBorders(1.f);
    setSize(160, 20);
}

ProgressBar::Ptr ProgressBar::create() {
    return std::make_shared<ProgressBar>();
}

void ProgressBar::setMinimum(unsigned newMinimum) {
    minimum = newMinimum;
    maximum = std::max(maximum, minimum);
    clampValue();
}

void ProgressBar::setMaximum(unsigned newMaximum) {
    maximum = newMaximum;
    minimum = std::min(minimum, maximum);
    clampValue();
}

void ProgressBar::clampValue() {
    setValue(value);
}

void ProgressBar::setValue(unsigned newValue) {
    newValue = std::clamp(newValue, minimum, maximum);
    if (newValue == value)
        return;
    value = newValue;
    emitSignal(onValueChange, value);
    // A callback may have moved the value on; only a value still at the top is full.
    if (value == maximum)
        emitSignal(onFull);
}

float ProgressBar::getFillRatio() const {
    if (maximum == minimum)
        return 1.f;
    return static_cast<float>(value - minimum) / static_cast<float>(maximum - minimum);
}

sf::FloatRect ProgressBar::getFillRect() const {
    const float border = renderer.getBorders();
    const sf::Vector2f inner(std::max(getSize().x - 2 * border, 0.f),
                             std::max(getSize().y - 2 * border, 0.f));
    const float ratio = getFillRatio();
    switch (fillDirection) {
    case FillDirection::LeftToRight:
        return {border, border, inner.x * ratio, inner.y};
    case FillDirection::RightToLeft:
        return {border + inner.x * (1.f - ratio), border, inner.x * ratio, inner.y};
    case FillDirection::TopToBottom:
        return {border, border, inner.x, inner.y * ratio};
    case FillDirection::BottomToTop:
        break;
    }
    return {border, border + inner.y * (1.f - ratio), inner.x, inner.y * ratio};
}

void ProgressBar::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    const sf::FloatRect area({0.f, 0.f}, getSize());
    fillRect(target, states, area, renderer.getBackgroundColor());
    fillRect(target, states, getFillRect(), renderer.getFillColor());
    drawBorders(target, states, area, renderer.getBorders(), renderer.getBorderColor());
}

} // namespace ui
