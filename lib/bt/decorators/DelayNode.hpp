#pragma once

#include "bt/Clock.hpp"
#include "bt/DecoratorNode.hpp"
#include "bt/PortInfo.hpp"

#include <memory>
#include <optional>

namespace bt {

// Answers RUNNING for "delay_msec" milliseconds from its first tick, then ticks the child and
// passes its answers on.
class DelayNode : public DecoratorNode {
public:
    DelayNode(std::string name, NodeConfiguration config, std::shared_ptr<const Clock> clock);
    static PortsList providedPorts();
    void halt() override;

protected:
    NodeStatus tick() override;

private:
    std::shared_ptr<const Clock> clock;
    std::optional<Clock::TimePoint> start;
};

} // namespace bt
