#pragma once

#include "app/input/InputDevice.hpp"

#include <SFML/Window/Window.hpp>

namespace tarsk {

// The real keyboard and mouse, with positions relative to one window.
class WindowInputDevice final : public InputDevice {
public:
    explicit WindowInputDevice(const sf::Window& window) : window(window) {}

    bool isKeyPressed(unsigned key) const override;
    bool isButtonPressed(unsigned button) const override;
    sf::Vector2i getMousePosition() const override;
    sf::Vector2i getDesktopMousePosition() const override;
    sf::Vector2i getWindowPosition() const override;
    sf::Vector2u getWindowSize() const override;

private:
    const sf::Window& window;
};

} // namespace tarsk
