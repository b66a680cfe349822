#include "app/root/BaseGameState.hpp"

#include <SFML/Window/VideoMode.hpp>
#include <SFML/Window/WindowStyle.hpp>

#include <string>

namespace tarsk {

namespace {
const sf::Time windowCreationFrameTime = sf::milliseconds(16);
}

BaseGameState::BaseGameState() : BaseGameState(std::make_unique<SystemFrameClock>()) {}

BaseGameState::BaseGameState(std::unique_ptr<FrameClock> clock)
    : window(std::make_unique<sf::RenderWindow>()), frameClock(std::move(clock)) {}

BaseGameState::~BaseGameState() = default;

void BaseGameState::setEventSource(std::unique_ptr<EventSource> source) { eventSource = std::move(source); }

void BaseGameState::onInit() {
    enterWindowed();
}

void BaseGameState::enterFullscreen() {
    window->create(sf::VideoMode(1920, 1080, 32), windowTitle, sf::Style::Fullscreen, sf::ContextSettings());
    window->setVerticalSyncEnabled(true);
    frameTime = windowCreationFrameTime;
}

void BaseGameState::enterWindowed() {
    window->create(sf::VideoMode(1280, 720, 32), windowTitle, sf::Style::Close, sf::ContextSettings());
    window->setVerticalSyncEnabled(false);
    window->setFramerateLimit(120);
    frameTime = windowCreationFrameTime;
}

bool BaseGameState::pollEvent(sf::Event& event) {
    return eventSource ? eventSource->pollEvent(event) : window->pollEvent(event);
}

void BaseGameState::onUpdate() {
    frameTime = frameClock->restart();
    window->setTitle(std::string(windowTitle) + " : " + std::to_string(frameTime.asMilliseconds()) + "ms");
    sf::Event event;
    while (pollEvent(event))
        handleEvent(event);
}

void BaseGameState::handleEvent(const sf::Event& event) {
    if (event.type == sf::Event::Closed) {
        close();
        return;
    }
    if (event.type == sf::Event::KeyPressed) {
        if (event.key.code == sf::Keyboard::B)
            enterFullscreen();
        else if (event.key.code == sf::Keyboard::V)
            enterWindowed();
    }
}

void BaseGameState::onUpdate_late() {
    if (isClosed() || !window->isOpen())
        return;
    window->clear(sf::Color::White);
    window->display();
    if (quitRequested) {
        close();
    }
}

void BaseGameState::onDestroy() { window->close(); }

} // namespace tarsk
