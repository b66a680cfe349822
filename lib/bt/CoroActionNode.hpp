#pragma once

#include "bt/ActionNodeBase.hpp"
#include "bt/Coroutine.hpp"

#include <memory>

namespace bt {

// An action whose tick() may span several ticks: it calls setStatusRunningAndYield() to answer
// RUNNING, and the next tick continues right after that call. Halting unwinds the suspended
// tick(), running the destructors of its locals. Exceptions thrown by tick() reach the ticker.
class CoroActionNode : public ActionNodeBase {
public:
    using ActionNodeBase::ActionNodeBase;
    // Unwinds a still suspended tick(), as a last resort: trees halt their nodes before
    // destroying them, while derived members are still alive.
    ~CoroActionNode() override;

    NodeStatus executeTick() override;
    // Overrides must call this to end the coroutine.
    void halt() override;

    // From inside tick(): answer RUNNING now, continue here at the next tick.
    void setStatusRunningAndYield();
    bool isSuspended() const { return coroutine && coroutine->isSuspended(); }

private:
    std::unique_ptr<Coroutine> coroutine;
    NodeStatus result = NodeStatus::IDLE;
};

} // namespace bt
