#include "app/input/WindowInputDevice.hpp"

#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>

namespace tarsk {

bool WindowInputDevice::isKeyPressed(unsigned key) const {
    // Codes outside SFML's range (Unknown arrives as the largest unsigned) are never down.
    if (key >= static_cast<unsigned>(sf::Keyboard::KeyCount))
        return false;
    return sf::Keyboard::isKeyPressed(static_cast<sf::Keyboard::Key>(key));
}

bool WindowInputDevice::isButtonPressed(unsigned button) const {
    if (button >= static_cast<unsigned>(sf::Mouse::ButtonCount))
        return false;
    return sf::Mouse::isButtonPressed(static_cast<sf::Mouse::Button>(button));
}

sf::Vector2i WindowInputDevice::getMousePosition() const {
    return sf::Mouse::getPosition(window);
}

sf::Vector2i WindowInputDevice::getDesktopMousePosition() const {
    return sf::Mouse::getPosition();
}

sf::Vector2i WindowInputDevice::getWindowPosition() const {
    return window.getPosition();
}

sf::Vector2u WindowInputDevice::getWindowSize() const {
    return window.getSize();
}

} // namespace tarsk
