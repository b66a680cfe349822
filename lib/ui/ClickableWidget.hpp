#pragma once

#include "ui/Widget.hpp"

namespace ui {

// A widget that reports left presses, releases and clicks (press and release both on it).
// Signal arguments are positions local to the widget.
class ClickableWidget : public Widget {
public:
    bool isMouseDown() const { return mouseDown; }

    smartsignals::Signal<void(sf::Vector2f)> onMousePress;
    smartsignals::Signal<void(sf::Vector2f)> onMouseRelease;
    smartsignals::Signal<void(sf::Vector2f)> onClick;

protected:
    void leftMousePressed(sf::Vector2f position) override;
    void leftMouseReleased(sf::Vector2f position) override;
    void leftMouseButtonNoLongerDown() override;
    void resetInputState() override;
    // Called for a completed click; widgets with more signals add them here.
    virtual void clicked(sf::Vector2f position);

private:
    bool mouseDown = false;
};

} // namespace ui
