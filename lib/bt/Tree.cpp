#include "bt/Tree.hpp"

#include <utility>

namespace bt {

Tree::Tree(std::vector<std::unique_ptr<TreeNode>> nodes, std::vector<Blackboard::Ptr> blackboards)
    : nodes(std::move(nodes)), blackboards(std::move(blackboards)) {
    for (const auto& node : this->nodes) {
        if (!node)
            throw LogicError("a tree cannot hold a null node");
    }
}

Tree::Tree(Tree&& other) noexcept
    : nodes(std::exchange(other.nodes, {})), blackboards(std::exchange(other.blackboards, {})) {}

Tree& Tree::operator=(Tree&& other) {
    if (this != &other) {
        haltTree();
        nodes = std::exchange(other.nodes, {});
        blackboards = std::exchange(other.blackboards, {});
    }
    return *this;
}

Tree::~Tree() {
    try {
        haltTree();
    } catch (...) {
        // Nothing can report it from here; the nodes are destroyed either way.
    }
}

NodeStatus Tree::tickRoot() {
    if (nodes.empty())
        throw RuntimeError("Empty Tree");
    TreeNode& root = *nodes.front();
    const NodeStatus result = root.executeTick();
    if (isFinished(result))
        root.setStatus(NodeStatus::IDLE);
    return result;
}

void Tree::haltTree() {
    if (nodes.empty())
        return;
    // Halted whatever its status: after an exception a parent's status can lag behind its
    // children's, and halting an idle node does nothing.
    TreeNode& root = *nodes.front();
    root.halt();
    root.setStatus(NodeStatus::IDLE);
}

} // namespace bt
