#pragma once

#include "bt/PortInfo.hpp"
#include "game/ai/nodes/IdleNode_base.hpp"

namespace tarsk {

// Waits on real time, as the frames pass.
class IdleFrameTimeNode : public IdleNode_base {
public:
    IdleFrameTimeNode(const std::string& name, const bt::NodeConfiguration& config);
    static bt::PortsList providedPorts() { return {waitPort("ms"), waitPort("sec"), waitPort("min")}; }

protected:
    sf::Time frameDelta(TimeSystem& time) const override;
};

} // namespace tarsk
