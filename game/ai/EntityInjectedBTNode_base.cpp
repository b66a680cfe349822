#include "game/ai/EntityInjectedBTNode_base.hpp"

#include <stdexcept>

namespace tarsk {

EntityInjectedBTNode_base::~EntityInjectedBTNode_base() = default;

const orv::Entity& EntityInjectedBTNode_base::requireOwner() const {
    if (!owner)
        throw std::logic_error("behaviour-tree node ticked before its entity was set");
    return *owner;
}

} // namespace tarsk
