#pragma once

#include "app/input/InputEngine.hpp"
#include "app/input/ScriptedInputDevice.hpp"
#include "app/screens/support/FakeScreenServices.hpp"
#include "ui/Desktop.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

#include <memory>

namespace screentest {

// One window for the whole test program: opening and closing windows in quick succession makes
// the virtual display refuse connections.
inline sf::RenderWindow& sharedWindow() {
    static sf::RenderWindow window(sf::VideoMode(1280, 720), "screens", sf::Style::Close);
    return window;
}

// An input engine over the shared window with a scripted device, wired into the services. Events
// go to the GUI first and then to the input engine, as the root passes them on.
struct InputRig {
    explicit InputRig(FakeScreenServices& services)
        : services(services), input(sharedWindow(), desktop, services.gui,
                                    std::make_unique<apptest::ScriptedInputDevice>(device)) {
        device.windowSize = {1280, 720};
        services.input = &input;
    }
    ~InputRig() { services.input = nullptr; }

    void send(const sf::Event& event) {
        services.gui.handleEvent(event);
        input.handleEvent(event);
    }
    void pressKey(sf::Keyboard::Key key) {
        sf::Event event{};
        event.type = sf::Event::KeyPressed;
        event.key.code = key;
        send(event);
    }
    void button(sf::Event::EventType type, sf::Mouse::Button which, sf::Vector2i at) {
        sf::Event event{};
        event.type = type;
        event.mouseButton = {which, at.x, at.y};
        send(event);
    }
    // Move, press and release, as a player clicks.
    void click(sf::Vector2f at, sf::Mouse::Button which = sf::Mouse::Left) {
        const sf::Vector2i pixel(static_cast<int>(at.x), static_cast<int>(at.y));
        sf::Event event{};
        event.type = sf::Event::MouseMoved;
        event.mouseMove = {pixel.x, pixel.y};
        send(event);
        button(sf::Event::MouseButtonPressed, which, pixel);
        button(sf::Event::MouseButtonReleased, which, pixel);
    }

    FakeScreenServices& services;
    apptest::DeviceState device;
    ui::Desktop desktop;
    tarsk::InputEngine input;
};

} // namespace screentest
