#include "game/ai/nodes/debug_SetEntityToPositionNode.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/physics/PhysicsLimits.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/ai/UnusableNodeInput.hpp"

#include <stdexcept>

namespace tarsk {

bt::NodeStatus debug_SetEntityToPositionNode::tick() {
    const bt::Expected<sf::Vector2f> position = getInput<sf::Vector2f>("position");
    if (!position)
        throw UnusableNodeInput("missing required input [message]: " + position.error());
    // A place past the physics world's bound puts the owner at its edge; a non-finite one nowhere.
    b2Vec2 place;
    try {
        place = orv::clampToBound({position->x, position->y}, "the position");
    } catch (const std::runtime_error& error) {
        throw UnusableNodeInput("input port \"position\" of node \"" + getName() + "\": " + error.what());
    }
    requireOwner().getComponent<orv::TransformationComponent>()->setPositionXY({place.x, place.y});
    return bt::NodeStatus::SUCCESS;
}

} // namespace tarsk
