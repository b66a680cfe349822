#include "bt/ControlNode.hpp"

namespace bt {

void ControlNode::addChild(TreeNode* child) {
    if (!child)
        throw LogicError("control node \"", getName(), "\" cannot take a null child");
    children.push_back(child);
}

void ControlNode::haltChild(std::size_t index) {
    if (index >= children.size())
        throw LogicError("control node \"", getName(), "\" has no child ", index);
    TreeNode* child = children[index];
    if (child->getStatus() == NodeStatus::RUNNING)
        child->halt();
    child->setStatus(NodeStatus::IDLE);
}

void ControlNode::haltChildren(std::size_t first) {
    for (std::size_t i = first; i < children.size(); ++i)
        haltChild(i);
}

} // namespace bt
