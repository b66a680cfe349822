#pragma once

#include "bt/TreeNode.hpp"

namespace bt {

// A test of the world that answers SUCCESS or FAILURE at once; anything else is a LogicError.
class ConditionNode : public TreeNode {
public:
    using TreeNode::TreeNode;
    NodeStatus executeTick() override;
    void halt() override {}
    NodeType getType() const override { return NodeType::CONDITION; }
};

} // namespace bt
