#pragma once

#include "bt/PortInfo.hpp"
#include "game/ai/EntityInjectedBTNode.hpp"

namespace orv {
class Entity;
}

namespace tarsk {

// Whether the bodies of the owner and "target" are within "delta" of each other (inclusive).
class IsCloseToEntityNode : public EntityInjectedBTNode<bt::ConditionNode> {
public:
    using EntityInjectedBTNode::EntityInjectedBTNode;
    static bt::PortsList providedPorts() {
        return {bt::InputPort<const orv::Entity*>("target"), bt::InputPort<float>("delta")};
    }

protected:
    bt::NodeStatus tick() override;
};

} // namespace tarsk
