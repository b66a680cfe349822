#pragma once

#include "bt/PortInfo.hpp"
#include "game/ai/EntityInjectedBTNode.hpp"

namespace orv {
class Entity;
}

namespace tarsk {

// Wishes the owner toward where "target" will be, judged from the target body's velocity.
class SteeringPursuitNode : public EntityInjectedBTNode<bt::SyncActionNode> {
public:
    using EntityInjectedBTNode::EntityInjectedBTNode;
    static bt::PortsList providedPorts() { return {bt::InputPort<const orv::Entity*>("target")}; }

protected:
    bt::NodeStatus tick() override;
};

} // namespace tarsk
