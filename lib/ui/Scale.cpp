#include "ui/Scale.hpp"

#include "ui/Painter.hpp"

#include <algorithm>
#include <cmath>

namespace ui {

Scale::Scale(float minimum, float maximum, float step)
    : minimum(minimum), maximum(std::max(maximum, minimum)), step(step), value(minimum) {
    renderer.setBackgroundColor(sf::Color(200, 200, 200));
    renderer.setFillColor(sf::Color(90, 90, 90));
    renderer.setBorders(1.f);
    updateLayout();
}

Scale::Ptr Scale::create(float minimum, float maximum, float step) {
    return std::make_shared<Scale>(minimum, maximum, step);
}

float Scale::snap(float raw) const {
    double result = raw;
    if (step > 0.f) {
        // Counted in doubles from the minimum, so steps like 0.1 land on their decimal values.
        const double steps = std::round((static_cast<double>(raw) - minimum) / step);
        result = static_cast<double>(minimum) + steps * static_cast<double>(step);
    }
    return std::clamp(static_cast<float>(result), minimum, maximum);
}

void Scale::setRange(float newMinimum, float newMaximum) {
    minimum = newMinimum;
    maximum = std::max(newMaximum, newMinimum);
    setValue(value);
}

void Scale::setStep(float newStep) {
    step = newStep;
    setValue(value);
}

void Scale::setValue(float newValue) {
    newValue = snap(newValue);
    if (newValue == value)
        return;
    value = newValue;
    emitSignal(onValueChange, value);
}

std::optional<sf::Vector2f> Scale::getNaturalSize() const {
    return sf::Vector2f(naturalLength, naturalThickness);
}

float Scale::valueAt(float x) const {
    const float track = getSize().x - handleWidth;
    if (track <= 0.f)
        return minimum;
    const float ratio = std::clamp((x - handleWidth / 2.f) / track, 0.f, 1.f);
    return minimum + ratio * (maximum - minimum);
}

sf::FloatRect Scale::getHandleRect() const {
    const float range = maximum - minimum;
    const float ratio = range > 0.f ? (value - minimum) / range : 0.f;
    const float track = std::max(getSize().x - handleWidth, 0.f);
    return {ratio * track, 0.f, handleWidth, getSize().y};
}

void Scale::leftMousePressed(sf::Vector2f position) {
    dragging = true;
    setValue(valueAt(position.x));
}

void Scale::leftMouseReleased(sf::Vector2f) {
    dragging = false;
}

void Scale::leftMouseButtonNoLongerDown() {
    dragging = false;
}

void Scale::mouseMoved(sf::Vector2f position) {
    if (dragging)
        setValue(valueAt(position.x));
}

bool Scale::mouseWheelScrolled(float delta, sf::Vector2f) {
    const float increment = step > 0.f ? step : (maximum - minimum) / 100.f;
    setValue(value + delta * increment);
    return true;
}

void Scale::keyPressed(const sf::Event::KeyEvent& key) {
    const float increment = step > 0.f ? step : (maximum - minimum) / 100.f;
    if (key.code == sf::Keyboard::Left)
        setValue(value - increment);
    else if (key.code == sf::Keyboard::Right)
        setValue(value + increment);
}

void Scale::resetInputState() {
    Widget::resetInputState();
    dragging = false;
}

void Scale::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    const sf::Vector2f size = getSize();
    const float thickness = std::min(4.f, size.y);
    fillRect(target, states,
             {handleWidth / 2.f, (size.y - thickness) / 2.f, std::max(size.x - handleWidth, 0.f), thickness},
             renderer.getBackgroundColor());
    const sf::FloatRect handle = getHandleRect();
    fillRect(target, states, handle,
             isEnabled() ? renderer.getFillColor() : renderer.getBackgroundColorDisabled());
    drawBorders(target, states, handle, renderer.getBorders(), renderer.getBorderColor());
}

} // namespace ui
