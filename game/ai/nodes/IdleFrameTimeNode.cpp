#include "game/ai/nodes/IdleFrameTimeNode.hpp"

#include "game/time/TimeSystem.hpp"

namespace tarsk {

IdleFrameTimeNode::IdleFrameTimeNode(const std::string& name, const bt::NodeConfiguration& config)
    : IdleNode_base(name, config, false) {}

sf::Time IdleFrameTimeNode::frameDelta(TimeSystem& time) const {
    return time.getFrameTime();
}

} // namespace tarsk
