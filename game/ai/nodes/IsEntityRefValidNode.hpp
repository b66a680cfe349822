#pragma once

#include "bt/PortInfo.hpp"
#include "game/ai/EntityInjectedBTNode.hpp"

namespace orv {
class Entity;
}

namespace tarsk {

// Whether "entity" names an entity that is still in the owner's world. An entry that was never
// written counts as invalid, so trees can ask before a target was ever found.
class IsEntityRefValidNode : public EntityInjectedBTNode<bt::ConditionNode> {
public:
    using EntityInjectedBTNode::EntityInjectedBTNode;
    static bt::PortsList providedPorts() { return {bt::InputPort<const orv::Entity*>("entity")}; }

protected:
    bt::NodeStatus tick() override;
};

} // namespace tarsk
