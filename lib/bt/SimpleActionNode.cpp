#include "bt/SimpleActionNode.hpp"

namespace bt {

SimpleActionNode::SimpleActionNode(std::string name, TickFunctor functor, NodeConfiguration config)
    : SyncActionNode(std::move(name), std::move(config)), functor(std::move(functor)) {
    if (!this->functor)
        throw LogicError("SimpleActionNode \"", getName(), "\" needs a tick function");
}

} // namespace bt
