#include "bt/decorators/ForceFailureNode.hpp"

namespace bt {

NodeStatus ForceFailureNode::tick() {
    if (tickChild() == NodeStatus::RUNNING)
        return NodeStatus::RUNNING;
    haltChild();
    return NodeStatus::FAILURE;
}

} // namespace bt
