#include "bt/controls/ReactiveFallback.hpp"

namespace bt {

NodeStatus ReactiveFallback::tick() {
    for (std::size_t i = 0; i < children.size(); ++i) {
        const NodeStatus result = children[i]->executeTick();
        if (result == NodeStatus::RUNNING) {
            haltChildren(i + 1);
            return result;
        }
        if (result == NodeStatus::SUCCESS) {
            haltChildren();
            return result;
        }
    }
    haltChildren();
    return NodeStatus::FAILURE;
}

} // namespace bt
