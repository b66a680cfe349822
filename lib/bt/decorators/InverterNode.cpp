#include "bt/decorators/InverterNode.hpp"

namespace bt {

NodeStatus InverterNode::tick() {
    const NodeStatus result = tickChild();
    if (result == NodeStatus::RUNNING)
        return result;
    haltChild();
    return result == NodeStatus::SUCCESS ? NodeStatus::FAILURE : NodeStatus::SUCCESS;
}

} // namespace bt
