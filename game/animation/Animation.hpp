#pragma once

#include <SFML/System/Time.hpp>

#include <string>

namespace orv {
class Entity;
}

namespace tarsk {

// Changes how an entity looks, once per frame. Made by id, so that an entity's saved record can
// name its animation.
class Animation {
public:
    explicit Animation(std::string id);
    Animation(const Animation&) = delete;
    Animation& operator=(const Animation&) = delete;
    virtual ~Animation();

    virtual void update(const orv::Entity& entity, sf::Time frameTime) = 0;

    const std::string& getId() const { return id; }

private:
    std::string id;
};

} // namespace tarsk
