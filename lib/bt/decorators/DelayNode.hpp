#pragma once

#include "bt/PortInfo.hpp"
#include "bt/decorators/TimedDecoratorNode.hpp"

namespace bt {

// Answers RUNNING for "delay_msec" milliseconds from its first tick, then ticks the child and
// passes its answers on.
class DelayNode : public TimedDecoratorNode {
public:
    DelayNode(std::string name, NodeConfiguration config, std::shared_ptr<const Clock> clock);
    static PortsList providedPorts();

protected:
    NodeStatus tick() override;
};

} // namespace bt
