#include "bt/SimpleConditionNode.hpp"

namespace bt {

SimpleConditionNode::SimpleConditionNode(std::string name, TickFunctor functor, NodeConfiguration config)
    : ConditionNode(std::move(name), std::move(config)), functor(std::move(functor)) {
    if (!this->functor)
        throw LogicError("SimpleConditionNode \"", getName(), "\" needs a tick function");
}

} // namespace bt
