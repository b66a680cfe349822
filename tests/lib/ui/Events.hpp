#pragma once

#include <SFML/Window/Event.hpp>

namespace uitest {

inline sf::Event mouseMove(int x, int y) {
    sf::Event event{};
    event.type = sf::Event::MouseMoved;
    event.mouseMove = {x, y};
    return event;
}

inline sf::Event mousePress(int x, int y, sf::Mouse::Button button = sf::Mouse::Left) {
    sf::Event event{};
    event.type = sf::Event::MouseButtonPressed;
    event.mouseButton = {button, x, y};
    return event;
}

inline sf::Event mouseRelease(int x, int y, sf::Mouse::Button button = sf::Mouse::Left) {
    sf::Event event{};
    event.type = sf::Event::MouseButtonReleased;
    event.mouseButton = {button, x, y};
    return event;
}

inline sf::Event wheel(float delta, int x, int y) {
    sf::Event event{};
    event.type = sf::Event::MouseWheelScrolled;
    event.mouseWheelScroll = {sf::Mouse::VerticalWheel, delta, x, y};
    return event;
}

inline sf::Event key(sf::Keyboard::Key code) {
    sf::Event event{};
    event.type = sf::Event::KeyPressed;
    event.key.code = code;
    return event;
}

inline sf::Event text(char32_t character) {
    sf::Event event{};
    event.type = sf::Event::TextEntered;
    event.text.unicode = static_cast<sf::Uint32>(character);
    return event;
}

// Moves there, presses and releases the left button: a click as a player makes it.
template <class Root>
void click(Root& root, int x, int y, sf::Mouse::Button button = sf::Mouse::Left) {
    root.handleEvent(mouseMove(x, y));
    root.handleEvent(mousePress(x, y, button));
    root.handleEvent(mouseRelease(x, y, button));
}

template <class Root>
void type(Root& root, const std::u32string& characters) {
    for (char32_t c : characters)
        root.handleEvent(text(c));
}

} // namespace uitest
