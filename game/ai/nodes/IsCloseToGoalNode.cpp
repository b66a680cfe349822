#include "game/ai/nodes/IsCloseToGoalNode.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/ai/NodeInputs.hpp"

#include <cmath>

namespace tarsk {

bt::NodeStatus IsCloseToGoalNode::tick() {
    const auto goal = requiredInput<sf::Vector2f>(*this, "goal");
    const auto delta = requiredInput<float>(*this, "delta");
    const sf::Vector2f offset =
        requireOwner().getComponent<orv::TransformationComponent>()->getPositionXY() - goal;
    return delta >= std::hypot(offset.x, offset.y) ? bt::NodeStatus::SUCCESS : bt::NodeStatus::FAILURE;
}

} // namespace tarsk
