#include "game/ai/nodes/IdleWorldTimeNode.hpp"

#include "game/time/TimeSystem.hpp"

namespace tarsk {

IdleWorldTimeNode::IdleWorldTimeNode(const std::string& name, const bt::NodeConfiguration& config)
    : IdleNode_base(name, config, true) {}

sf::Time IdleWorldTimeNode::frameDelta(TimeSystem& time) const {
    return time.getGameTimeDelta();
}

} // namespace tarsk
