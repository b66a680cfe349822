#pragma once

#include "bt/PortInfo.hpp"
#include "game/ai/nodes/IdleNode_base.hpp"

namespace tarsk {

// Waits on game time, 96 times faster than real time.
class IdleWorldTimeNode : public IdleNode_base {
public:
    IdleWorldTimeNode(const std::string& name, const bt::NodeConfiguration& config);
    static bt::PortsList providedPorts() {
        return {waitPort("ms"), waitPort("sec"), waitPort("min"), waitPort("h")};
    }

protected:
    sf::Time frameDelta(TimeSystem& time) const override;
};

} // namespace tarsk
