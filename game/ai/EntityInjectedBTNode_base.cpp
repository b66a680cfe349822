#include "game/ai/EntityInjectedBTNode_base.hpp"

#include "bt/Exceptions.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/MissingComponent.hpp"
#include "engine/ecs/MissingSystem.hpp"
#include "game/ai/AiComponent.hpp"
#include "game/ai/UnusableNodeInput.hpp"

#include <nlohmann/json.hpp>

#include <stdexcept>

namespace tarsk {

EntityInjectedBTNode_base::~EntityInjectedBTNode_base() = default;

const orv::Entity& EntityInjectedBTNode_base::requireOwner() const {
    if (!owner)
        throw std::logic_error("behaviour-tree node ticked before its entity was set");
    return *owner;
}

void EntityInjectedBTNode_base::reportFailure(const std::string& node, const std::string& why) const {
    report("node \"" + node + "\": " + why);
}

bool EntityInjectedBTNode_base::isContentFault(const std::exception& fault) {
    return dynamic_cast<const UnusableNodeInput*>(&fault) ||
           dynamic_cast<const orv::MissingComponent*>(&fault) ||
           dynamic_cast<const orv::MissingSystem*>(&fault) ||
           dynamic_cast<const std::invalid_argument*>(&fault) ||
           dynamic_cast<const std::out_of_range*>(&fault) || dynamic_cast<const std::range_error*>(&fault) ||
           dynamic_cast<const nlohmann::json::exception*>(&fault) ||
           dynamic_cast<const bt::RuntimeError*>(&fault);
}

void EntityInjectedBTNode_base::reportContentFault(const std::string& node,
                                                   const std::exception& fault) const {
    // An unusable input's text names the port and the node already.
    if (dynamic_cast<const UnusableNodeInput*>(&fault))
        report(fault.what());
    else
        reportFailure(node, fault.what());
}

void EntityInjectedBTNode_base::report(const std::string& text) const {
    requireOwner().getComponent<AiComponent>()->reportTreeFault(text + "; the node fails");
}

} // namespace tarsk
