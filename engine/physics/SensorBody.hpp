#pragma once

#include <SFML/System/Vector2.hpp>

#include <cstdint>

class b2Body;

namespace orv {

// A sensor body that exists: where it sits relative to its entity, which registered
// definition it came from and how far it may lag behind (see SensorBodyDefinition).
struct SensorBody {
    sf::Vector2f offset;
    std::uint32_t index;
    b2Body* body;
    float followSlack = 0.f;
};

} // namespace orv
