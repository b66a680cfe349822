#include "game/ai/nodes/debug_SetEntityToPositionNode.hpp"

#include "bt/Exceptions.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/transform/TransformationComponent.hpp"

namespace tarsk {

bt::NodeStatus debug_SetEntityToPositionNode::tick() {
    const bt::Expected<sf::Vector2f> position = getInput<sf::Vector2f>("position");
    if (!position)
        throw bt::RuntimeError("missing required input [message]: ", position.error());
    requireOwner().getComponent<orv::TransformationComponent>()->setPositionXY(*position);
    return bt::NodeStatus::SUCCESS;
}

} // namespace tarsk
