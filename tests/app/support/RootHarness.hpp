#pragma once

#include "app/root/BaseGameState.hpp"
#include "app/support/RunFolder.hpp"
#include "game/random/RandomNumberGenerator.hpp"

#include <cstdint>
#include <deque>
#include <memory>

namespace apptest {

// Frame times from a script, then 1 ms frames.
class ScriptedClock final : public tarsk::FrameClock {
public:
    explicit ScriptedClock(std::deque<sf::Time> times) : times(std::move(times)) {}
    sf::Time restart() override {
        if (times.empty())
            return sf::milliseconds(1);
        const sf::Time next = times.front();
        times.pop_front();
        return next;
    }
    void push(sf::Time time) { times.push_back(time); }

private:
    std::deque<sf::Time> times;
};

// The root state in a scratch run folder, fed with scripted events and frame times. Call
// start() after preparing the folder; construction already reads the tile sheet. The game's
// random sequence starts from a fixed seed, so a test plays the same game every run; replace it
// through root->getRandom() before start() to play another.
struct RootHarness {
    static constexpr std::uint32_t DefaultSeed = 1;

    explicit RootHarness(std::deque<sf::Time> times = {},
                         RunFolder::Content content = RunFolder::Content::Minimal)
        : folder(content) {
        auto scriptedClock = std::make_unique<ScriptedClock>(std::move(times));
        clock = scriptedClock.get();
        root = std::make_unique<tarsk::BaseGameState>(std::move(scriptedClock));
        root->getRandom() = tarsk::RandomNumberGenerator(DefaultSeed);
        auto source = std::make_unique<tarsk::QueuedEventSource>();
        events = source.get();
        root->setEventSource(std::move(source));
    }

    void start() { root->init(); }
    void frame() { root->update(); }

    void push(sf::Event::EventType type) {
        sf::Event event{};
        event.type = type;
        events->push(event);
    }
    void pushKey(sf::Keyboard::Key key) {
        sf::Event event{};
        event.type = sf::Event::KeyPressed;
        event.key.code = key;
        events->push(event);
    }
    // A click as the player makes it: move there, press, release.
    void pushClick(sf::Vector2f at) {
        const int x = static_cast<int>(at.x), y = static_cast<int>(at.y);
        sf::Event event{};
        event.type = sf::Event::MouseMoved;
        event.mouseMove = {x, y};
        events->push(event);
        event = {};
        event.type = sf::Event::MouseButtonPressed;
        event.mouseButton = {sf::Mouse::Left, x, y};
        events->push(event);
        event.type = sf::Event::MouseButtonReleased;
        events->push(event);
    }

    RunFolder folder;
    ScriptedClock* clock = nullptr;
    std::unique_ptr<tarsk::BaseGameState> root;
    tarsk::QueuedEventSource* events = nullptr;
};

} // namespace apptest
