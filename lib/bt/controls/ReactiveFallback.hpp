#pragma once

#include "bt/ControlNode.hpp"

namespace bt {

// A fallback that starts from its first child at every tick, so a higher-priority child can
// take over; a child that answers RUNNING halts every child after it.
class ReactiveFallback : public ControlNode {
public:
    using ControlNode::ControlNode;

protected:
    NodeStatus tick() override;
};

} // namespace bt
