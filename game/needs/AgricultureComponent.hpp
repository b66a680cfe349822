#pragma once

#include "engine/ecs/Component.hpp"

#include <SFML/System/Time.hpp>

namespace tarsk {

// Something that grows with game time. Concrete kinds derive from it and are added to their
// entity under this base type (addComponent(std::move(crop), typeid(AgricultureComponent))), so
// that the agriculture system finds them.
class AgricultureComponent : public orv::Component {
public:
    // Once per frame with the frame's game time.
    virtual void grow(const sf::Time& gameTimeDelta) = 0;
};

} // namespace tarsk
