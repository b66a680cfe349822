#pragma once

#include "bt/ControlNode.hpp"

#include <cstddef>

namespace bt {

// Ticks its children in order until one succeeds. A RUNNING child is resumed at the next tick
// without ticking the ones before it again.
class FallbackNode : public ControlNode {
public:
    using ControlNode::ControlNode;
    void halt() override;

protected:
    NodeStatus tick() override;

private:
    std::size_t current = 0;
};

} // namespace bt
