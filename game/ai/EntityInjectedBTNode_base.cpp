#include "game/ai/EntityInjectedBTNode_base.hpp"

#include "engine/ecs/Entity.hpp"
#include "game/ai/AiComponent.hpp"

#include <stdexcept>

namespace tarsk {

EntityInjectedBTNode_base::~EntityInjectedBTNode_base() = default;

const orv::Entity& EntityInjectedBTNode_base::requireOwner() const {
    if (!owner)
        throw std::logic_error("behaviour-tree node ticked before its entity was set");
    return *owner;
}

void EntityInjectedBTNode_base::reportFailure(const std::string& why) const {
    requireOwner().getComponent<AiComponent>()->reportTreeFault(why + "; the node fails");
}

} // namespace tarsk
