#include "game/ai/nodes/SteeringPursuitNode.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "game/ai/AiComponent.hpp"
#include "game/ai/NodeInputs.hpp"
#include "game/ai/WorldOf.hpp"

#include <box2d/b2_body.h>

namespace tarsk {

bt::NodeStatus SteeringPursuitNode::tick() {
    const orv::Entity& owner = requireOwner();
    const b2Body& body = requiredTargetBody(*this, owner, "target");
    const float lookAhead = worldOf(owner).getSystem<orv::PhysicsSystem>()->getStepTime().asSeconds();
    const b2Vec2& position = body.GetPosition();
    const b2Vec2& velocity = body.GetLinearVelocity();
    owner.getComponent<AiComponent>()->getSteering().pursue({position.x, position.y},
                                                            {velocity.x, velocity.y}, lookAhead);
    return bt::NodeStatus::SUCCESS;
}

} // namespace tarsk
