#pragma once

#include "ui/Widget.hpp"

namespace ui {

// A horizontal slider between a minimum and a maximum. Every value it takes, set or dragged, is
// snapped to the step grid counted from the minimum and then clamped to the range; each change
// is announced with the new value.
class Scale : public Widget {
public:
    using Ptr = std::shared_ptr<Scale>;
    static constexpr float handleWidth = 10.f;
    static constexpr float naturalLength = 60.f;
    static constexpr float naturalThickness = 12.f;

    Scale(float minimum = 0.f, float maximum = 1.f, float step = 0.1f);
    static Ptr create(float minimum = 0.f, float maximum = 1.f, float step = 0.1f);

    // A maximum below the minimum is raised to it.
    void setRange(float minimum, float maximum);
    float getMinimum() const { return minimum; }
    float getMaximum() const { return maximum; }
    // A step of 0 (or less) turns snapping off.
    void setStep(float step);
    float getStep() const { return step; }
    void setValue(float value);
    float getValue() const { return value; }
    // The handle's rectangle in local coordinates.
    sf::FloatRect getHandleRect() const;

    smartsignals::Signal<void(float)> onValueChange;

protected:
    std::optional<sf::Vector2f> getNaturalSize() const override;
    void leftMousePressed(sf::Vector2f position) override;
    void leftMouseReleased(sf::Vector2f position) override;
    void leftMouseButtonNoLongerDown() override;
    void mouseMoved(sf::Vector2f position) override;
    bool mouseWheelScrolled(float delta, sf::Vector2f position) override;
    void keyPressed(const sf::Event::KeyEvent& key) override;
    void resetInputState() override;
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    float snap(float value) const;
    float valueAt(float x) const;

    float minimum;
    float maximum;
    float step;
    float value;
    bool dragging = false;
};

} // namespace ui
