#include "game/ai/nodes/GetPositionXYNode.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/transform/TransformationComponent.hpp"

namespace tarsk {

bt::NodeStatus GetPositionXYNode::tick() {
    const sf::Vector2f position =
        requireOwner().getComponent<orv::TransformationComponent>()->getPositionXY();
    // An unconnected output is allowed: the node still reports success.
    static_cast<void>(setOutput("positionXY", position));
    return bt::NodeStatus::SUCCESS;
}

} // namespace tarsk
