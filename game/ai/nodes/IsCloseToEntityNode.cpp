#include "game/ai/nodes/IsCloseToEntityNode.hpp"

#include "engine/ecs/Entity.hpp"
#include "game/ai/BodyOf.hpp"
#include "game/ai/NodeInputs.hpp"

#include <box2d/b2_body.h>

#include <cmath>

namespace tarsk {

bt::NodeStatus IsCloseToEntityNode::tick() {
    const orv::Entity& owner = requireOwner();
    const b2Body& target = requiredTargetBody(*this, owner, "target");
    const auto delta = requiredInput<float>(*this, "delta");
    const b2Vec2 offset = bodyOf(&owner).GetPosition() - target.GetPosition();
    return delta >= std::hypot(offset.x, offset.y) ? bt::NodeStatus::SUCCESS : bt::NodeStatus::FAILURE;
}

} // namespace tarsk
