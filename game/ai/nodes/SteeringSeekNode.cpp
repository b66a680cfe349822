#include "game/ai/nodes/SteeringSeekNode.hpp"

#include "engine/ecs/Entity.hpp"
#include "game/ai/AiComponent.hpp"
#include "game/ai/NodeInputs.hpp"

namespace tarsk {

bt::NodeStatus SteeringSeekNode::tick() {
    const auto goal = requiredInput<sf::Vector2f>(*this, "goal");
    const auto slowingRadius = optionalInput<float>(*this, "slowingRadius", DefaultSlowingRadius);
    requireOwner().getComponent<AiComponent>()->getSteering().seek(goal, slowingRadius);
    return bt::NodeStatus::SUCCESS;
}

} // namespace tarsk
