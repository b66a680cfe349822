#include "bt/decorators/DelayNode.hpp"

namespace bt {

DelayNode::DelayNode(std::string name, NodeConfiguration config, std::shared_ptr<const Clock> clock)
    : TimedDecoratorNode("Delay", std::move(name), std::move(config), std::move(clock)) {}

PortsList DelayNode::providedPorts() {
    return {InputPort<unsigned>("delay_msec", "wait before the child starts, in milliseconds")};
}

NodeStatus DelayNode::tick() {
    if (!spanOver("delay_msec"))
        return NodeStatus::RUNNING;
    const NodeStatus result = tickChild();
    if (result == NodeStatus::RUNNING)
        return result;
    haltChild();
    finishRun();
    return result;
}

} // namespace bt
