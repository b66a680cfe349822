#pragma once

#include "ui/ClickableWidget.hpp"

namespace ui {

// A bar filled in proportion to value between minimum and maximum. The value always stays in
// range: moving a bound drags the value (and the other bound) along.
class ProgressBar : public ClickableWidget {
public:
    using Ptr = std::shared_ptr<ProgressBar>;
    enum class FillDirection { LeftToRight, RightToLeft, TopToBottom, BottomToTop };

    ProgressBar();
    static Ptr create();

    void setMinimum(unsigned minimum);
    unsigned getMinimum() const { return minimum; }
    void setMaximum(unsigned maximum);
    unsigned getMaximum() const { return maximum; }
    void setValue(unsigned value);
    unsigned getValue() const { return value; }
    void setFillDirection(FillDirection direction) { fillDirection = direction; }
    FillDirection getFillDirection() const { return fillDirection; }

    // The filled share of the bar, 0 to 1; an empty range counts as full.
    float getFillRatio() const;
    // The filled part, inside the borders, in local coordinates.
    sf::FloatRect getFillRect() const;

    smartsignals::Signal<void(unsigned)> onValueChange;
    // The value reached the maximum.
    smartsignals::Signal<void()> onFull;

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    void clampValue();

    unsigned minimum = 0;
    unsigned maximum = 100;
    unsigned value = 0;
    FillDirection fillDirection = FillDirection::LeftToRight;
};

} // namespace ui
