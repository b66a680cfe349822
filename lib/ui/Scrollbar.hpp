#pragma once

#include <SFML/Graphics/Rect.hpp>

namespace ui {

// The vertical scroll state of a widget whose content can be taller than its view: an offset
// kept between 0 and content - view.
class Scrollbar {
public:
    static constexpr float width = 10.f;

    void setViewportSize(float size);
    void setContentSize(float size);
    float getViewportSize() const { return viewport; }
    float getContentSize() const { return content; }
    float getMaximum() const;
    bool isNeeded() const { return content > viewport; }

    void setOffset(float offset);
    float getOffset() const { return offset; }
    // Wheel steps: positive deltas scroll towards the top. False, and nothing moves, while the
    // content fits, so the wheel can go to the widget underneath.
    bool scroll(float delta, float step);
    void scrollToEnd() { setOffset(getMaximum()); }
    bool isAtEnd() const { return offset >= getMaximum(); }

    // The thumb inside a track rectangle, proportional to the visible share.
    sf::FloatRect getThumb(sf::FloatRect track) const;

private:
    float viewport = 0.f;
    float content = 0.f;
    float offset = 0.f;
};

} // namespace ui
