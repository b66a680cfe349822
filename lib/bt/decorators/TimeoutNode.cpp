#include "bt/decorators/TimeoutNode.hpp"

namespace bt {

TimeoutNode::TimeoutNode(std::string name, NodeConfiguration config, std::shared_ptr<const Clock> clock)
    : DecoratorNode(std::move(name), std::move(config)), clock(std::move(clock)) {
    if (!this->clock)
        throw LogicError("Timeout \"", getName(), "\" needs a clock");
}

PortsList TimeoutNode::providedPorts() {
    return {InputPort<unsigned>("msec", "time the child is given, in milliseconds")};
}

NodeStatus TimeoutNode::tick() {
    if (!deadline)
        deadline = clock->now() + std::chrono::milliseconds(getRequiredInput<unsigned>("msec"));
    if (clock->now() >= *deadline) {
        haltChild();
        deadline.reset();
        return NodeStatus::FAILURE;
    }
    const NodeStatus result = tickChild();
    if (result == NodeStatus::RUNNING)
        return result;
    haltChild();
    deadline.reset();
    return result;
}

void TimeoutNode::halt() {
    deadline.reset();
    DecoratorNode::halt();
}

} // namespace bt
