#include "bt/ConditionNode.hpp"

namespace bt {

NodeStatus ConditionNode::executeTick() {
    const NodeStatus result = tick();
    if (!isFinished(result))
        throw LogicError("condition \"", getName(), "\" returned ", result, "; only SUCCESS or FAILURE");
    setStatus(result);
    return result;
}

} // namespace bt
