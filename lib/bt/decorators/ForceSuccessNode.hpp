#pragma once

#include "bt/DecoratorNode.hpp"

namespace bt {

// Whatever the child finishes with becomes SUCCESS; RUNNING passes through.
class ForceSuccessNode : public DecoratorNode {
public:
    using DecoratorNode::DecoratorNode;

protected:
    NodeStatus tick() override;
};

} // namespace bt
