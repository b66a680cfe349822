#pragma once

#include "bt/SyncActionNode.hpp"

namespace bt {

class AlwaysSuccessNode : public SyncActionNode {
public:
    using SyncActionNode::SyncActionNode;

protected:
    NodeStatus tick() override { return NodeStatus::SUCCESS; }
};

} // namespace bt
