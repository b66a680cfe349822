#pragma once

#include "bt/PortInfo.hpp"
#include "game/ai/EntityInjectedBTNode.hpp"
#include "game/ai/Vector2fConversion.hpp"

namespace tarsk {

class RandomNumberGenerator;

// Picks a point in the ring between "circleRadiusInner" (default 0) and "circleRadiusOuter"
// around "circleOrigin" and writes it to "position". The distance from the origin is uniform,
// so points crowd toward the middle.
class SelectRandomPositionInCircleNode : public EntityInjectedBTNode<bt::SyncActionNode> {
public:
    SelectRandomPositionInCircleNode(const std::string& name, const bt::NodeConfiguration& config,
                                     const RandomNumberGenerator& random);
    static bt::PortsList providedPorts() {
        return {bt::InputPort<sf::Vector2f>("circleOrigin"), bt::InputPort<float>("circleRadiusOuter"),
                bt::InputPort<float>("circleRadiusInner"), bt::OutputPort<sf::Vector2f>("position")};
    }

protected:
    bt::NodeStatus tick() override;

private:
    const RandomNumberGenerator& random;
};

} // namespace tarsk
