#include "bt/controls/SequenceNode.hpp"

namespace bt {

NodeStatus SequenceNode::tick() {
    while (current < children.size()) {
        const NodeStatus result = children[current]->executeTick();
        if (result == NodeStatus::RUNNING)
            return result;
        if (result == NodeStatus::FAILURE) {
            haltChildren();
            current = 0;
            return result;
        }
        ++current;
    }
    haltChildren();
    current = 0;
    return NodeStatus::SUCCESS;
}

void SequenceNode::halt() {
    current = 0;
    ControlNode::halt();
}

} // namespace bt
