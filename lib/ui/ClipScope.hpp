#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/View.hpp>

namespace ui {

// Cuts drawing to a rectangle while it lives, by narrowing the target's view and viewport to
// the part of the current view the rectangle covers; nested scopes intersect. Restores the
// previous view when destroyed. Widgets are only translated, never rotated or scaled.
class ClipScope {
public:
    ClipScope(sf::RenderTarget& target, const sf::RenderStates& states, sf::FloatRect localRect);
    ~ClipScope();
    ClipScope(const ClipScope&) = delete;
    ClipScope& operator=(const ClipScope&) = delete;

    // Nothing of the rectangle is visible: the caller can skip drawing.
    bool isEmpty() const { return empty; }

private:
    sf::RenderTarget& target;
    sf::View previous;
    bool empty = false;
};

} // namespace ui
