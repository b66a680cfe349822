#include "bt/SyncActionNode.hpp"

namespace bt {

NodeStatus SyncActionNode::executeTick() {
    const NodeStatus result = tick();
    if (!isFinished(result))
        throw LogicError("synchronous action \"", getName(), "\" returned ", result,
                         "; only SUCCESS or FAILURE");
    setStatus(result);
    return result;
}

} // namespace bt
