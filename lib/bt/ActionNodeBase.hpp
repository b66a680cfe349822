#pragma once

#include "bt/TreeNode.hpp"

namespace bt {

// Leaves that act on the world.
class ActionNodeBase : public TreeNode {
public:
    using TreeNode::TreeNode;
    NodeType getType() const override { return NodeType::ACTION; }
};

} // namespace bt
