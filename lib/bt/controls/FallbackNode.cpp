#include "bt/controls/FallbackNode.hpp"

namespace bt {

NodeStatus FallbackNode::tick() {
    while (current < children.size()) {
        const NodeStatus result = children[current]->executeTick();
        if (result == NodeStatus::RUNNING)
            return result;
        if (result == NodeStatus::SUCCESS) {
            haltChildren();
            current = 0;
            return result;
        }
        ++current;
    }
    haltChildren();
    current = 0;
    return NodeStatus::FAILURE;
}

void FallbackNode::halt() {
    current = 0;
    ControlNode::halt();
}

} // namespace bt
