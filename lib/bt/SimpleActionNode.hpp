#pragma once

#include "bt/SyncActionNode.hpp"

#include <functional>

namespace bt {

// A synchronous action whose tick is a function, for actions too small to deserve a class.
class SimpleActionNode : public SyncActionNode {
public:
    using TickFunctor = std::function<NodeStatus(TreeNode&)>;

    SimpleActionNode(std::string name, TickFunctor functor, NodeConfiguration config);

protected:
    NodeStatus tick() override { return functor(*this); }

private:
    TickFunctor functor;
};

} // namespace bt
