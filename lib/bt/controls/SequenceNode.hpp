#pragma once

#include "bt/controls/OrderedWalkNode.hpp"

namespace bt {

// Ticks its children in order until one fails.
class SequenceNode : public OrderedWalkNode<NodeStatus::FAILURE> {
public:
    using OrderedWalkNode::OrderedWalkNode;
};

} // namespace bt
