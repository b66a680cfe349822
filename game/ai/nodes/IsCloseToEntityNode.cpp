#include "game/ai/nodes/IsCloseToEntityNode.hpp"

#include "engine/ecs/Entity.hpp"
#include "game/ai/BodyOf.hpp"
#include "game/ai/NodeInputs.hpp"

#include <box2d/b2_body.h>

#include <cmath>

namespace tarsk {

bt::NodeStatus IsCloseToEntityNode::tick() {
    const orv::Entity* target = requiredInput<const orv::Entity*>(*this, "target");
    const auto delta = requiredInput<float>(*this, "delta");
    const b2Vec2 offset = bodyOf(&requireOwner()).GetPosition() - bodyOf(target).GetPosition();
    return delta >= std::hypot(offset.x, offset.y) ? bt::NodeStatus::SUCCESS : bt::NodeStatus::FAILURE;
}

} // namespace tarsk
