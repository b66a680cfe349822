#pragma once

// For display test binaries only.

#include "app/input/InputEngine.hpp"
#include "app/input/ScriptedInputDevice.hpp"
#include "ui/Desktop.hpp"
#include "ui/Gui.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

#include <memory>

namespace apptest {

// The root's input path without an open window: a GUI measured by its fixed text model and an
// input engine over a scripted device. Key presses go to the GUI first, as the root's event pump
// does. A window object brings a GL context and so a display connection: one serves the process.
struct HeadlessInput {
    static sf::RenderWindow& sharedWindow() {
        static sf::RenderWindow window;
        return window;
    }

    HeadlessInput() : input(sharedWindow(), desktop, gui, std::make_unique<ScriptedInputDevice>(device)) {
        gui.setWindowSize({1280, 720});
    }

    void press(sf::Keyboard::Key key) {
        sf::Event event{};
        event.type = sf::Event::KeyPressed;
        event.key.code = key;
        gui.handleEvent(event);
        input.handleEvent(event);
    }

    DeviceState device;
    ui::Desktop desktop;
    ui::Gui gui;
    tarsk::InputEngine input;
};

} // namespace apptest
