#pragma once

#include <SFML/System/Vector2.hpp>

namespace tarsk {

// The live state of the keyboard, the mouse and the window, as opposed to what the event stream
// said. The input engine asks it every frame; tests give it a scripted one.
class InputDevice {
public:
    virtual ~InputDevice() = default;

    virtual bool isKeyPressed(unsigned key) const = 0;
    virtual bool isButtonPressed(unsigned button) const = 0;
    // In window pixels.
    virtual sf::Vector2i getMousePosition() const = 0;
    // In screen pixels.
    virtual sf::Vector2i getDesktopMousePosition() const = 0;
    virtual sf::Vector2i getWindowPosition() const = 0;
    virtual sf::Vector2u getWindowSize() const = 0;
};

} // namespace tarsk
