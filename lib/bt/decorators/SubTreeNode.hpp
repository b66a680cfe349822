#pragma once

#include "bt/DecoratorNode.hpp"

#include <string>

namespace bt {

// Stands for another tree of the same text; its child is that tree's root, working on a
// blackboard of its own unless it shares its parent's.
class SubTreeNode : public DecoratorNode {
public:
    // `blackboard` is the one the sub-tree's nodes work on.
    SubTreeNode(std::string name, std::string treeId, Blackboard::Ptr blackboard);

    NodeType getType() const override { return NodeType::SUBTREE; }
    const std::string& getTreeId() const { return treeId; }

protected:
    NodeStatus tick() override;

private:
    std::string treeId;
};

} // namespace bt
