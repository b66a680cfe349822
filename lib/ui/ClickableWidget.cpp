#include "ui/ClickableWidget.hpp"

namespace ui {

void ClickableWidget::leftMousePressed(sf::Vector2f position) {
    mouseDown = true;
    emitSignal(onMousePress, position);
}

void ClickableWidget::leftMouseReleased(sf::Vector2f position) {
    // The state is settled before any callback runs: a throwing callback leaves no stale press.
    const bool wasDown = mouseDown;
    mouseDown = false;
    emitSignal(onMouseRelease, position);
    if (wasDown)
        clicked(position);
}

void ClickableWidget::leftMouseButtonNoLongerDown() {
    mouseDown = false;
}

void ClickableWidget::resetInputState() {
    Widget::resetInputState();
    mouseDown = false;
}

void ClickableWidget::clicked(sf::Vector2f position) {
    emitSignal(onClick, position);
}

} // namespace ui
