#pragma once

#include "bt/SyncActionNode.hpp"

namespace bt {

class AlwaysFailureNode : public SyncActionNode {
public:
    using SyncActionNode::SyncActionNode;

protected:
    NodeStatus tick() override { return NodeStatus::FAILURE; }
};

} // namespace bt
