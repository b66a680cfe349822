#pragma once

#include "bt/ControlNode.hpp"

namespace bt {

// A sequence that starts from its first child at every tick, so conditions in front of a
// RUNNING child are checked again; a child that answers RUNNING halts every child after it.
class ReactiveSequence : public ControlNode {
public:
    using ControlNode::ControlNode;

protected:
    NodeStatus tick() override;
};

} // namespace bt
