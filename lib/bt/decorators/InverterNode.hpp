#pragma once

#include "bt/DecoratorNode.hpp"

namespace bt {

// SUCCESS becomes FAILURE and the other way round; RUNNING passes through.
class InverterNode : public DecoratorNode {
public:
    using DecoratorNode::DecoratorNode;

protected:
    NodeStatus tick() override;
};

} // namespace bt
