#include "bt/decorators/TimeoutNode.hpp"

namespace bt {

TimeoutNode::TimeoutNode(std::string name, NodeConfiguration config, std::shared_ptr<const Clock> clock)
    : TimedDecoratorNode("Timeout", std::move(name), std::move(config), std::move(clock)) {}

PortsList TimeoutNode::providedPorts() {
    return {InputPort<unsigned>("msec", "time the child is given, in milliseconds")};
}

NodeStatus TimeoutNode::tick() {
    if (spanOver("msec")) {
        haltChild();
        finishRun();
        return NodeStatus::FAILURE;
    }
    const NodeStatus result = tickChild();
    if (result == NodeStatus::RUNNING)
        return result;
    haltChild();
    finishRun();
    return result;
}

} // namespace bt
