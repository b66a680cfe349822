#pragma once

#include "bt/PortInfo.hpp"
#include "game/ai/EntityInjectedBTNode.hpp"
#include "game/ai/Vector2fConversion.hpp"

namespace tarsk {

// Puts the owner at "position" at once, held within the physics world's bound. For debugging
// trees.
class debug_SetEntityToPositionNode : public EntityInjectedBTNode<bt::SyncActionNode> {
public:
    using EntityInjectedBTNode::EntityInjectedBTNode;
    static bt::PortsList providedPorts() { return {bt::InputPort<sf::Vector2f>("position")}; }

protected:
    bt::NodeStatus tick() override;
};

} // namespace tarsk
