#pragma once

#include "bt/TreeNode.hpp"

#include <cstddef>
#include <vector>

namespace bt {

// A node with children that decides which of them to tick. The tree owns the children.
class ControlNode : public TreeNode {
public:
    using TreeNode::TreeNode;

    NodeType getType() const override { return NodeType::CONTROL; }
    // Halts every running child and resets all of them; overrides also reset their own state.
    void halt() override { haltChildren(); }

    void addChild(TreeNode* child);
    const std::vector<TreeNode*>& getChildren() const { return children; }
    std::size_t getChildrenCount() const { return children.size(); }

    // Halts the child if it is RUNNING, then sets it to IDLE.
    void haltChild(std::size_t index);
    // haltChild for every child from `first` on.
    void haltChildren(std::size_t first = 0);

protected:
    std::vector<TreeNode*> children;
};

} // namespace bt
