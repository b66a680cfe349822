#include "bt/decorators/SubTreeNode.hpp"

namespace bt {

SubTreeNode::SubTreeNode(std::string name, std::string treeId, Blackboard::Ptr blackboard)
    : DecoratorNode(std::move(name), NodeConfiguration{std::move(blackboard), {}, {}}),
      treeId(std::move(treeId)) {}

NodeStatus SubTreeNode::tick() {
    const NodeStatus result = tickChild();
    if (result != NodeStatus::RUNNING)
        haltChild();
    return result;
}

} // namespace bt
