#include "game/ai/BodyOf.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/physics/PhysicsComponent.hpp"

#include <stdexcept>

namespace tarsk {

const b2Body& bodyOf(const orv::Entity* entity) {
    if (!entity)
        throw std::logic_error("a behaviour-tree node was given no entity");
    const b2Body* body = entity->getComponent<orv::PhysicsComponent>()->getBody();
    if (!body)
        throw std::logic_error("a behaviour-tree node needs an entity whose body is simulated");
    return *body;
}

} // namespace tarsk
