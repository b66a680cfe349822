#include "bt/decorators/RepeatNode.hpp"

namespace bt {

RepeatNode::RepeatNode(std::string name, NodeConfiguration config)
    : DecoratorNode(std::move(name), std::move(config)) {}

PortsList RepeatNode::providedPorts() {
    return {InputPort<int>("num_cycles", "repetitions of the child, -1 for ever")};
}

NodeStatus RepeatNode::tick() {
    const int cycles = getRequiredInput<int>("num_cycles");
    if (cycles < -1)
        throw RuntimeError("Repeat \"", getName(), "\": num_cycles must be -1 or more, not ", cycles);
    if (cycles == 0)
        return NodeStatus::SUCCESS;
    const NodeStatus result = tickChild();
    if (result == NodeStatus::RUNNING)
        return result;
    haltChild();
    if (result == NodeStatus::FAILURE) {
        completed = 0;
        return result;
    }
    ++completed;
    if (cycles != -1 && completed >= cycles) {
        completed = 0;
        return NodeStatus::SUCCESS;
    }
    return NodeStatus::RUNNING;
}

void RepeatNode::halt() {
    completed = 0;
    DecoratorNode::halt();
}

} // namespace bt
