#include "ui/ClipScope.hpp"

#include <cmath>

namespace ui {

ClipScope::ClipScope(sf::RenderTarget& target, const sf::RenderStates& states, sf::FloatRect localRect)
    : target(target), previous(target.getView()) {
    const sf::FloatRect wanted = states.transform.transformRect(localRect);
    const sf::Vector2f viewSize = previous.getSize();
    const sf::FloatRect visible(previous.getCenter() - viewSize / 2.f, viewSize);
    sf::FloatRect clipped;
    if (!wanted.intersects(visible, clipped) || viewSize.x <= 0.f || viewSize.y <= 0.f) {
        empty = true;
        return;
    }
    // Whole units keep the narrowed view at the same scale as the one it came from.
    const float left = std::round(clipped.left);
    const float top = std::round(clipped.top);
    const float right = std::round(clipped.left + clipped.width);
    const float bottom = std::round(clipped.top + clipped.height);
    if (right <= left || bottom <= top) {
        empty = true;
        return;
    }
    const sf::FloatRect area(left, top, right - left, bottom - top);
    const sf::FloatRect port = previous.getViewport();
    sf::View view(area);
    view.setViewport({port.left + (area.left - visible.left) / visible.width * port.width,
                      port.top + (area.top - visible.top) / visible.height * port.height,
                      area.width / visible.width * port.width, area.height / visible.height * port.height});
    target.setView(view);
}

ClipScope::~ClipScope() {
    if (!empty)
        target.setView(previous);
}

} // namespace ui
