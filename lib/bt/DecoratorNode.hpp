#pragma once

#include "bt/TreeNode.hpp"

namespace bt {

// A node with exactly one child whose answer it transforms. The tree owns the child.
class DecoratorNode : public TreeNode {
public:
    using TreeNode::TreeNode;

    NodeType getType() const override { return NodeType::DECORATOR; }
    // Halts a running child and resets it; overrides also reset their own state.
    void halt() override { haltChild(); }

    void setChild(TreeNode* newChild);
    TreeNode* getChild() const { return child; }

    // Halts the child if it is RUNNING, then sets it to IDLE.
    void haltChild();

protected:
    // The child's executeTick(); a LogicError when there is no child.
    NodeStatus tickChild();

private:
    TreeNode* child = nullptr;
};

} // namespace bt
