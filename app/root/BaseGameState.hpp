#pragma once

#include "app/root/EventSource.hpp"
#include "app/root/FrameClock.hpp"
#include "engine/state/GameState.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Time.hpp>

#include <memory>

namespace tarsk {

// The root of the game-state tree: owns the window, the frame clock and the event pump.
class BaseGameState : public orv::GameState {
public:
    static constexpr const char* windowTitle = "tarsk window";

    BaseGameState();
    explicit BaseGameState(std::unique_ptr<FrameClock> clock);
    ~BaseGameState() override;

    sf::RenderWindow& getWindow() { return *window; }
    sf::Time& getFrameTime() { return frameTime; }
    bool& getQuitRequested() { return quitRequested; }

    // Null restores reading events from the window.
    void setEventSource(std::unique_ptr<EventSource> source);

    void enterFullscreen();
    void enterWindowed();

protected:
    void onInit() override;
    void onUpdate() override;
    void onUpdate_late() override;
    void onDestroy() override;

private:
    void handleEvent(const sf::Event& event);
    bool pollEvent(sf::Event& event);

    // Created in onInit: a window needs a display and a GL context, which logic tests lack.
    std::unique_ptr<sf::RenderWindow> window;
    std::unique_ptr<FrameClock> frameClock;
    sf::Time frameTime;
    bool quitRequested = false;
    std::unique_ptr<EventSource> eventSource;
};

} // namespace tarsk
