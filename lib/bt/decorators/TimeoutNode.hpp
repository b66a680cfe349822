#pragma once

#include "bt/PortInfo.hpp"
#include "bt/decorators/TimedDecoratorNode.hpp"

namespace bt {

// Gives the child "msec" milliseconds from the node's first tick. The deadline is checked
// before every tick of the child; once reached, a running child is halted and the node fails.
class TimeoutNode : public TimedDecoratorNode {
public:
    TimeoutNode(std::string name, NodeConfiguration config, std::shared_ptr<const Clock> clock);
    static PortsList providedPorts();

protected:
    NodeStatus tick() override;
};

} // namespace bt
