#pragma once

#include <SFML/Window/Event.hpp>

#include <deque>

namespace tarsk {

// Where the root's event pump reads window events from.
class EventSource {
public:
    virtual ~EventSource() = default;
    virtual bool pollEvent(sf::Event& event) = 0;
};

// Synthetic events, handed out in the order they were pushed.
class QueuedEventSource final : public EventSource {
public:
    void push(const sf::Event& event) { events.push_back(event); }
    bool pollEvent(sf::Event& event) override {
        if (events.empty())
            return false;
        event = events.front();
        events.pop_front();
        return true;
    }

private:
    std::deque<sf::Event> events;
};

} // namespace tarsk
