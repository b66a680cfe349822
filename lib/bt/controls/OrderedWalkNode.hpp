#pragma once

#include "bt/ControlNode.hpp"

#include <cstddef>

namespace bt {

// Ticks its children in order until one answers StopOn, which it then answers itself; when all
// children answer the other way, so does it. A RUNNING child is resumed at the next tick without
// ticking the ones before it again. Sequence stops on FAILURE, Fallback on SUCCESS.
template <NodeStatus StopOn>
class OrderedWalkNode : public ControlNode {
public:
    using ControlNode::ControlNode;

    void halt() override {
        current = 0;
        ControlNode::halt();
    }

protected:
    NodeStatus tick() override {
        while (current < children.size()) {
            const NodeStatus result = children[current]->executeTick();
            if (result == NodeStatus::RUNNING)
                return result;
            if (result == StopOn) {
                haltChildren();
                current = 0;
                return result;
            }
            ++current;
        }
        haltChildren();
        current = 0;
        return StopOn == NodeStatus::FAILURE ? NodeStatus::SUCCESS : NodeStatus::FAILURE;
    }

private:
    std::size_t current = 0;
};

} // namespace bt
