#include "bt/decorators/ForceSuccessNode.hpp"

namespace bt {

NodeStatus ForceSuccessNode::tick() {
    if (tickChild() == NodeStatus::RUNNING)
        return NodeStatus::RUNNING;
    haltChild();
    return NodeStatus::SUCCESS;
}

} // namespace bt
