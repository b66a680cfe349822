#pragma once

#include "bt/PortInfo.hpp"
#include "game/ai/EntityInjectedBTNode.hpp"
#include "game/ai/Vector2fConversion.hpp"

namespace tarsk {

// Writes the owner's position to "positionXY".
class GetPositionXYNode : public EntityInjectedBTNode<bt::SyncActionNode> {
public:
    using EntityInjectedBTNode::EntityInjectedBTNode;
    static bt::PortsList providedPorts() { return {bt::OutputPort<sf::Vector2f>("positionXY")}; }

protected:
    bt::NodeStatus tick() override;
};

} // namespace tarsk
