#include "bt/CoroActionNode.hpp"

namespace bt {

CoroActionNode::~CoroActionNode() = default;

NodeStatus CoroActionNode::executeTick() {
    if (!coroutine)
        coroutine = std::make_unique<Coroutine>([this] { result = tick(); });
    bool suspended = false;
    try {
        suspended = coroutine->resume();
    } catch (...) {
        coroutine.reset();
        throw;
    }
    if (suspended) {
        setStatus(NodeStatus::RUNNING);
        return NodeStatus::RUNNING;
    }
    coroutine.reset();
    // A bare RUNNING would leave nothing to resume.
    if (!isFinished(result))
        throw LogicError("coroutine action \"", getName(), "\" returned ", result,
                         "; use setStatusRunningAndYield() to wait");
    setStatus(result);
    return result;
}

void CoroActionNode::halt() {
    if (!coroutine)
        return;
    if (coroutine->isInside())
        throw LogicError("coroutine action \"", getName(), "\" cannot halt itself from its own tick()");
    std::unique_ptr<Coroutine> ending = std::move(coroutine);
    ending->cancel();
}

void CoroActionNode::setStatusRunningAndYield() {
    if (!coroutine || !coroutine->isInside())
        throw LogicError("setStatusRunningAndYield() of \"", getName(), "\" called outside its tick()");
    setStatus(NodeStatus::RUNNING);
    coroutine->yield();
}

} // namespace bt
