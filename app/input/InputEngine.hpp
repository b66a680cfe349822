#pragma once

#include "app/input/InputDevice.hpp"
#include "engine/signals/Signal.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>

#include <map>
#include <memory>

namespace ui {
class Desktop;
class Gui;
} // namespace ui

namespace tarsk {

// Turns window events into per-key and per-button signals and keeps which keys and buttons are
// down. States bind a key by connecting to its signal in one of the maps; a signal exists from
// the first time its code is looked up. The "always" key signals fire even while a text field
// takes the keyboard; the others stay silent then, so typing never triggers game keys.
//
// Held signals fire in update() and need both the event-tracked state and the device's live
// state: a key released while the window was not looking stops at once, and a key held down
// since before the window had focus does not count until its press event arrives.
class InputEngine {
public:
    using KeySignal = smartsignals::Signal<void()>;
    using ButtonSignal = smartsignals::Signal<void(sf::Vector2i)>;
    using KeySignals = std::map<unsigned, KeySignal>;
    using ButtonSignals = std::map<unsigned, ButtonSignal>;

    // Reads the real keyboard and mouse.
    InputEngine(sf::RenderWindow& window, ui::Desktop& desktop, ui::Gui& gui);
    InputEngine(sf::RenderWindow& window, ui::Desktop& desktop, ui::Gui& gui,
                std::unique_ptr<InputDevice> device);
    InputEngine(const InputEngine&) = delete;
    InputEngine& operator=(const InputEngine&) = delete;
    ~InputEngine();

    // Where the live keyboard, mouse and window state come from from now on.
    void setDevice(std::unique_ptr<InputDevice> newDevice) { device = std::move(newDevice); }

    void handleEvent(const sf::Event& event);
    // Fires the held signals, keys then buttons, each map in ascending code order.
    void update();

    KeySignal& keyHeldAlways(sf::Keyboard::Key key) { return keyHeldAlwaysSignals[code(key)]; }
    KeySignal& keyPressedAlways(sf::Keyboard::Key key) { return keyPressedAlwaysSignals[code(key)]; }
    KeySignal& keyReleased(sf::Keyboard::Key key) { return keyReleasedSignals[code(key)]; }
    KeySignal& keyHeld(sf::Keyboard::Key key) { return keyHeldSignals[code(key)]; }
    KeySignal& keyPressed(sf::Keyboard::Key key) { return keyPressedSignals[code(key)]; }
    ButtonSignal& buttonPressed(sf::Mouse::Button button) { return buttonPressedSignals[code(button)]; }
    ButtonSignal& buttonPressedInWindow(sf::Mouse::Button button) {
        return buttonPressedInWindowSignals[code(button)];
    }
    ButtonSignal& buttonReleased(sf::Mouse::Button button) { return buttonReleasedSignals[code(button)]; }
    ButtonSignal& buttonReleasedInWindow(sf::Mouse::Button button) {
        return buttonReleasedInWindowSignals[code(button)];
    }
    ButtonSignal& buttonHeld(sf::Mouse::Button button) { return buttonHeldSignals[code(button)]; }
    ButtonSignal& buttonHeldInWindow(sf::Mouse::Button button) {
        return buttonHeldInWindowSignals[code(button)];
    }

    // False for a code never seen; asking does not record it.
    bool isKeyDown(sf::Keyboard::Key key) const;
    // The keyboard's live state, whatever the events said and whoever has the keyboard.
    bool isKeyPressedNow(sf::Keyboard::Key key) const { return device->isKeyPressed(code(key)); }
    bool isButtonDown(sf::Mouse::Button button) const;

    // The live position in window pixels (not the last move event's).
    sf::Vector2i getMousePosition() const;
    // Whether the live mouse lies on the window's rectangle on the screen.
    bool isMouseInWindow() const;
    bool isMouseOverGui() const;
    // Over any tool window of the desktop, or over a visible widget of the screens' GUI.
    bool isPointOverGui(sf::Vector2f point) const;
    bool isPointOverGui(sf::Vector2i point) const;
    // A widget that turns keys into text has the keyboard (read-only fields do not count).
    bool isGuiTextFocused() const;

    sf::RenderWindow& getWindow() const { return *window; }

private:
    static unsigned code(sf::Keyboard::Key key) { return static_cast<unsigned>(key); }
    static unsigned code(sf::Mouse::Button button) { return static_cast<unsigned>(button); }

    // Half-open in window pixels: x = width is already outside.
    bool isInsideWindow(int x, int y) const;
    void changeButton(const sf::Event::MouseButtonEvent& event, bool down);
    // Nothing counts as held once the window has lost the keyboard and mouse.
    void releaseEverything();

    sf::RenderWindow* window;
    std::map<unsigned, bool> keyDown;
    std::map<unsigned, bool> buttonDown;
    sf::Vector2i mousePosition;
    sf::Vector2u windowSize;
    ui::Desktop* desktop;
    ui::Gui* gui;
    std::unique_ptr<InputDevice> device;
    KeySignals keyHeldAlwaysSignals;
    KeySignals keyPressedAlwaysSignals;
    KeySignals keyReleasedSignals;
    KeySignals keyHeldSignals;
    KeySignals keyPressedSignals;
    ButtonSignals buttonPressedSignals;
    ButtonSignals buttonPressedInWindowSignals;
    ButtonSignals buttonReleasedSignals;
    ButtonSignals buttonReleasedInWindowSignals;
    ButtonSignals buttonHeldSignals;
    ButtonSignals buttonHeldInWindowSignals;
};

} // namespace tarsk
