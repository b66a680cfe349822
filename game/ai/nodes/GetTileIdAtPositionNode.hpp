#pragma once

#include "bt/PortInfo.hpp"
#include "game/ai/EntityInjectedBTNode.hpp"
#include "game/ai/Vector2fConversion.hpp"

#include <string>

namespace tarsk {

// Writes the id of the ground tile under "positionXY" to "tileId"; FAILURE off the map, and in a
// world without terrain.
class GetTileIdAtPositionNode : public EntityInjectedBTNode<bt::SyncActionNode> {
public:
    using EntityInjectedBTNode::EntityInjectedBTNode;
    static bt::PortsList providedPorts() {
        return {bt::InputPort<sf::Vector2f>("positionXY"), bt::OutputPort<std::string>("tileId")};
    }

protected:
    bt::NodeStatus tick() override;
};

} // namespace tarsk
