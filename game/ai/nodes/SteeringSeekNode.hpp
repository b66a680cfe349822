#pragma once

#include "bt/PortInfo.hpp"
#include "game/ai/EntityInjectedBTNode.hpp"
#include "game/ai/Vector2fConversion.hpp"

namespace tarsk {

// Wishes the owner toward "goal" for this frame, slowing within "slowingRadius" (default 2).
class SteeringSeekNode : public EntityInjectedBTNode<bt::SyncActionNode> {
public:
    static constexpr float DefaultSlowingRadius = 2.f;

    using EntityInjectedBTNode::EntityInjectedBTNode;
    static bt::PortsList providedPorts() {
        return {bt::InputPort<sf::Vector2f>("goal"), bt::InputPort<float>("slowingRadius")};
    }

protected:
    bt::NodeStatus tick() override;
};

} // namespace tarsk
