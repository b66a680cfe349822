#include "bt/DecoratorNode.hpp"

namespace bt {

void DecoratorNode::setChild(TreeNode* newChild) {
    if (!newChild)
        throw LogicError("decorator \"", getName(), "\" cannot take a null child");
    if (child)
        throw LogicError("decorator \"", getName(), "\" already has a child");
    child = newChild;
}

void DecoratorNode::haltChild() {
    if (!child)
        return;
    if (child->getStatus() == NodeStatus::RUNNING)
        child->halt();
    child->setStatus(NodeStatus::IDLE);
}

NodeStatus DecoratorNode::tickChild() {
    if (!child)
        throw LogicError("decorator \"", getName(), "\" has no child");
    return child->executeTick();
}

} // namespace bt
