#pragma once

#include "bt/DecoratorNode.hpp"
#include "bt/PortInfo.hpp"

namespace bt {

// Gives the child up to "num_attempts" tries (-1: unlimited) to succeed. One attempt per tick
// at most: after a failed attempt the node answers RUNNING and tries again at the next tick.
class RetryNode : public DecoratorNode {
public:
    RetryNode(std::string name, NodeConfiguration config);
    static PortsList providedPorts();
    void halt() override;

protected:
    NodeStatus tick() override;

private:
    int failedAttempts = 0;
};

} // namespace bt
