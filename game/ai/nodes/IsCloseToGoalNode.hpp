#pragma once

#include "bt/PortInfo.hpp"
#include "game/ai/EntityInjectedBTNode.hpp"
#include "game/ai/Vector2fConversion.hpp"

namespace tarsk {

// Whether the owner is within "delta" of "goal" (inclusive).
class IsCloseToGoalNode : public EntityInjectedBTNode<bt::ConditionNode> {
public:
    using EntityInjectedBTNode::EntityInjectedBTNode;
    static bt::PortsList providedPorts() {
        return {bt::InputPort<sf::Vector2f>("goal"), bt::InputPort<float>("delta")};
    }

protected:
    bt::NodeStatus tick() override;
};

} // namespace tarsk
