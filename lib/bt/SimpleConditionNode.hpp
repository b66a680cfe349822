#pragma once

#include "bt/ConditionNode.hpp"

#include <functional>

namespace bt {

// A condition whose tick is a function.
class SimpleConditionNode : public ConditionNode {
public:
    using TickFunctor = std::function<NodeStatus(TreeNode&)>;

    SimpleConditionNode(std::string name, TickFunctor functor, NodeConfiguration config);

protected:
    NodeStatus tick() override { return functor(*this); }

private:
    TickFunctor functor;
};

} // namespace bt
