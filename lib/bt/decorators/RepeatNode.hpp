#pragma once

#include "bt/DecoratorNode.hpp"
#include "bt/PortInfo.hpp"

namespace bt {

// Runs the child "num_cycles" times (-1: for ever) while it succeeds; a failure ends the
// repetition with FAILURE. One cycle per tick at most: between cycles the node answers
// RUNNING, so an endless repeat never holds the caller inside one tick.
class RepeatNode : public DecoratorNode {
public:
    RepeatNode(std::string name, NodeConfiguration config);
    static PortsList providedPorts();
    void halt() override;

protected:
    NodeStatus tick() override;

private:
    int completed = 0;
};

} // namespace bt
