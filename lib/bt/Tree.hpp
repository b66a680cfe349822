#pragma once

#include "bt/Blackboard.hpp"
#include "bt/TreeNode.hpp"

#include <memory>
#include <vector>

namespace bt {

// A built tree: owns its nodes (in pre-order, root first) and the blackboards they use (the
// root blackboard first). Move-only; halts itself before it is destroyed or overwritten.
class Tree {
public:
    Tree() = default;
    // nodes.front() is the root; parents must already know their children.
    Tree(std::vector<std::unique_ptr<TreeNode>> nodes, std::vector<Blackboard::Ptr> blackboards);
    Tree(const Tree&) = delete;
    Tree& operator=(const Tree&) = delete;
    Tree(Tree&& other) noexcept;
    Tree& operator=(Tree&& other);
    ~Tree();

    // Ticks the root once. A finished root is set back to IDLE, so the next tick starts the
    // tree afresh. An empty tree throws RuntimeError "Empty Tree".
    NodeStatus tickRoot();
    // Halts everything still running and resets the root. Safe to repeat.
    void haltTree();

    TreeNode* getRootNode() const { return nodes.empty() ? nullptr : nodes.front().get(); }
    const std::vector<std::unique_ptr<TreeNode>>& getNodes() const { return nodes; }
    // Null for an empty tree.
    Blackboard::Ptr getRootBlackboard() const { return blackboards.empty() ? nullptr : blackboards.front(); }
    const std::vector<Blackboard::Ptr>& getBlackboards() const { return blackboards; }

private:
    std::vector<std::unique_ptr<TreeNode>> nodes;
    std::vector<Blackboard::Ptr> blackboards;
};

} // namespace bt
