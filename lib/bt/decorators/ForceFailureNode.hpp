#pragma once

#include "bt/DecoratorNode.hpp"

namespace bt {

// Whatever the child finishes with becomes FAILURE; RUNNING passes through.
class ForceFailureNode : public DecoratorNode {
public:
    using DecoratorNode::DecoratorNode;

protected:
    NodeStatus tick() override;
};

} // namespace bt
