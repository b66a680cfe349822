#pragma once

#include "bt/Clock.hpp"
#include "bt/DecoratorNode.hpp"
#include "bt/PortInfo.hpp"

#include <memory>
#include <optional>

namespace bt {

// Gives the child "msec" milliseconds from the node's first tick. The deadline is checked
// before every tick of the child; once reached, a running child is halted and the node fails.
class TimeoutNode : public DecoratorNode {
public:
    TimeoutNode(std::string name, NodeConfiguration config, std::shared_ptr<const Clock> clock);
    static PortsList providedPorts();
    void halt() override;

protected:
    NodeStatus tick() override;

private:
    std::shared_ptr<const Clock> clock;
    std::optional<Clock::TimePoint> deadline;
};

} // namespace bt
