#include "game/ai/nodes/SelectRandomPositionInCircleNode.hpp"

#include "game/ai/NodeInputs.hpp"
#include "game/random/RandomNumberGenerator.hpp"

#include <cmath>

namespace tarsk {

SelectRandomPositionInCircleNode::SelectRandomPositionInCircleNode(const std::string& name,
                                                                   const bt::NodeConfiguration& config,
                                                                   const RandomNumberGenerator& random)
    : EntityInjectedBTNode(name, config), random(random) {}

bt::NodeStatus SelectRandomPositionInCircleNode::tick() {
    const auto origin = requiredInput<sf::Vector2f>(*this, "circleOrigin");
    const auto inner = optionalInput<float>(*this, "circleRadiusInner", 0.f);
    const auto outer = requiredInput<float>(*this, "circleRadiusOuter");

    // Angle first, then radius: the order of draws is part of what a seeded run reproduces.
    const float angle = random.randomFloat(0.f, 6.2831855f);
    const float radius = random.randomFloat(inner, outer);
    // (s, s) turned by the angle: a point at the radius, 45 degrees past the angle.
    const float s = radius / std::sqrt(2.f);
    const float c = std::cos(angle);
    const float n = std::sin(angle);
    const sf::Vector2f offset(c * s - n * s, n * s + c * s);
    static_cast<void>(setOutput("position", origin + offset));
    return bt::NodeStatus::SUCCESS;
}

} // namespace tarsk
