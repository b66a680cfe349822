#include "bt/controls/ReactiveSequence.hpp"

namespace bt {

NodeStatus ReactiveSequence::tick() {
    for (std::size_t i = 0; i < children.size(); ++i) {
        const NodeStatus result = children[i]->executeTick();
        if (result == NodeStatus::RUNNING) {
            haltChildren(i + 1);
            return result;
        }
        if (result == NodeStatus::FAILURE) {
            haltChildren();
            return result;
        }
    }
    haltChildren();
    return NodeStatus::SUCCESS;
}

} // namespace bt
