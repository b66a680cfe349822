#pragma once

#include "bt/ActionNodeBase.hpp"

namespace bt {

// An action that finishes within its tick: answering RUNNING is a LogicError.
class SyncActionNode : public ActionNodeBase {
public:
    using ActionNodeBase::ActionNodeBase;
    NodeStatus executeTick() override;
    void halt() override {}
};

} // namespace bt
