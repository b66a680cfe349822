#include "bt/decorators/RetryNode.hpp"

namespace bt {

RetryNode::RetryNode(std::string name, NodeConfiguration config)
    : DecoratorNode(std::move(name), std::move(config)) {}

PortsList RetryNode::providedPorts() {
    return {InputPort<int>("num_attempts", "tries before giving up, -1 for unlimited")};
}

NodeStatus RetryNode::tick() {
    const int attempts = getRequiredInput<int>("num_attempts");
    if (attempts < -1)
        throw RuntimeError("RetryUntilSuccessful \"", getName(), "\": num_attempts must be -1 or more, not ",
                           attempts);
    if (attempts == 0)
        return NodeStatus::FAILURE;
    const NodeStatus result = tickChild();
    if (result == NodeStatus::RUNNING)
        return result;
    haltChild();
    if (result == NodeStatus::SUCCESS) {
        failedAttempts = 0;
        return result;
    }
    ++failedAttempts;
    if (attempts != -1 && failedAttempts >= attempts) {
        failedAttempts = 0;
        return NodeStatus::FAILURE;
    }
    return NodeStatus::RUNNING;
}

void RetryNode::halt() {
    failedAttempts = 0;
    DecoratorNode::halt();
}

} // namespace bt
