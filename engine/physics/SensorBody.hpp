#pragma once

#include <SFML/System/Vector2.hpp>

#include <cstdint>

class b2Body;

namespace orv {

// A sensor body that exists: where it sits relative to its entity and which registered
// definition it came from.
struct SensorBody {
    sf::Vector2f offset;
    std::uint32_t index;
    b2Body* body;
};

} // namespace orv
