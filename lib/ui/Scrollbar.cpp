#include "ui/Scrollbar.hpp"

#include <algorithm>

namespace ui {

void Scrollbar::setViewportSize(float size) {
    viewport = std::max(size, 0.f);
    setOffset(offset);
}

void Scrollbar::setContentSize(float size) {
    content = std::max(size, 0.f);
    setOffset(offset);
}

float Scrollbar::getMaximum() const {
    return std::max(content - viewport, 0.f);
}

void Scrollbar::setOffset(float value) {
    offset = std::clamp(value, 0.f, getMaximum());
}

bool Scrollbar::scroll(float delta, float step) {
    if (!isNeeded())
        return false;
    setOffset(offset - delta * step);
    return true;
}

sf::FloatRect Scrollbar::getThumb(sf::FloatRect track) const {
    if (!isNeeded() || content <= 0.f)
        return track;
    const float length = std::max(track.height * viewport / content, std::min(track.height, width));
    const float travel = track.height - length;
    const float top = getMaximum() > 0.f ? travel * offset / getMaximum() : 0.f;
    return {track.left, track.top + top, track.width, length};
}

} // namespace ui
