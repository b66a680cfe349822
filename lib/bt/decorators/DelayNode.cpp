#include "bt/decorators/DelayNode.hpp"

namespace bt {

DelayNode::DelayNode(std::string name, NodeConfiguration config, std::shared_ptr<const Clock> clock)
    : DecoratorNode(std::move(name), std::move(config)), clock(std::move(clock)) {
    if (!this->clock)
        throw LogicError("Delay \"", getName(), "\" needs a clock");
}

PortsList DelayNode::providedPorts() {
    return {InputPort<unsigned>("delay_msec", "wait before the child starts, in milliseconds")};
}

NodeStatus DelayNode::tick() {
    if (!start)
        start = clock->now() + std::chrono::milliseconds(getRequiredInput<unsigned>("delay_msec"));
    if (clock->now() < *start)
        return NodeStatus::RUNNING;
    const NodeStatus result = tickChild();
    if (result == NodeStatus::RUNNING)
        return result;
    haltChild();
    start.reset();
    return result;
}

void DelayNode::halt() {
    start.reset();
    DecoratorNode::halt();
}

} // namespace bt
