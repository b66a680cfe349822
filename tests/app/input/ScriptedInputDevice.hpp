#pragma once

#include "app/input/InputDevice.hpp"

#include <set>

namespace apptest {

// Live device state as a test sets it.
struct DeviceState {
    std::set<unsigned> keys;
    std::set<unsigned> buttons;
    sf::Vector2i mouse;
    sf::Vector2i desktopMouse;
    sf::Vector2i windowPosition;
    sf::Vector2u windowSize{800, 600};
};

class ScriptedInputDevice final : public tarsk::InputDevice {
public:
    explicit ScriptedInputDevice(const DeviceState& state) : state(state) {}

    bool isKeyPressed(unsigned key) const override { return state.keys.contains(key); }
    bool isButtonPressed(unsigned button) const override { return state.buttons.contains(button); }
    sf::Vector2i getMousePosition() const override { return state.mouse; }
    sf::Vector2i getDesktopMousePosition() const override { return state.desktopMouse; }
    sf::Vector2i getWindowPosition() const override { return state.windowPosition; }
    sf::Vector2u getWindowSize() const override { return state.windowSize; }

private:
    const DeviceState& state;
};

} // namespace apptest
