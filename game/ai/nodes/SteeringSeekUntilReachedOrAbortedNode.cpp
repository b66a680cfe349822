#include "game/ai/nodes/SteeringSeekUntilReachedOrAbortedNode.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/ai/AiComponent.hpp"
#include "game/ai/NodeInputs.hpp"

#include <cmath>

namespace tarsk {

namespace {

float distance(sf::Vector2f a, sf::Vector2f b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

} // namespace

bt::NodeStatus SteeringSeekUntilReachedOrAbortedNode::tick() {
    // The inputs are read when a seek starts and hold until it ends.
    if (!ai) {
        const orv::Entity& owner = requireOwner();
        auto* ownTransform = owner.getComponent<orv::TransformationComponent>();
        auto* ownAi = owner.getComponent<AiComponent>();
        const auto newGoal = requiredInput<sf::Vector2f>(*this, "goal");
        std::optional<float> newSlowingRadius;
        if (isInputGiven(*this, "slowingRadius"))
            newSlowingRadius = requiredInput<float>(*this, "slowingRadius");
        const auto newDelta = optionalInput<float>(*this, "delta", DefaultDelta);

        transform = ownTransform;
        ai = ownAi;
        goal = newGoal;
        slowingRadius = newSlowingRadius;
        delta = newDelta;
    }
    const sf::Vector2f position = transform->getPositionXY();
    if (reached(position)) {
        clear();
        return bt::NodeStatus::SUCCESS;
    }
    if (previous && distance(position, *previous) <= StuckDistance) {
        clear();
        return bt::NodeStatus::FAILURE;
    }
    previous = position;
    ai->getSteering().seek(goal, slowingRadius.value_or(DefaultSlowingRadius));
    return bt::NodeStatus::RUNNING;
}

bool SteeringSeekUntilReachedOrAbortedNode::reached(sf::Vector2f position) const {
    return delta >= distance(position, goal);
}

void SteeringSeekUntilReachedOrAbortedNode::halt() {
    clear();
}

void SteeringSeekUntilReachedOrAbortedNode::clear() {
    transform = nullptr;
    ai = nullptr;
    goal = {};
    slowingRadius.reset();
    delta = 0.f;
    previous.reset();
}

} // namespace tarsk
