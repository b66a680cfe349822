#pragma once

#include <SFML/System/Clock.hpp>
#include <SFML/System/Time.hpp>

namespace tarsk {

// Measures the time between frames; replaced by a scripted clock in tests.
class FrameClock {
public:
    virtual ~FrameClock() = default;
    // The time since the previous restart (or since construction), restarting the count.
    virtual sf::Time restart() = 0;
};

class SystemFrameClock final : public FrameClock {
public:
    sf::Time restart() override { return clock.restart(); }

private:
    sf::Clock clock;
};

} // namespace tarsk
