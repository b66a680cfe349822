#pragma once

#include "bt/controls/OrderedWalkNode.hpp"

namespace bt {

// Ticks its children in order until one succeeds.
class FallbackNode : public OrderedWalkNode<NodeStatus::SUCCESS> {
public:
    using OrderedWalkNode::OrderedWalkNode;
};

} // namespace bt
