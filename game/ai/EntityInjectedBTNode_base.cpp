#include "game/ai/EntityInjectedBTNode_base.hpp"

#include "bt/Exceptions.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/MissingComponent.hpp"
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

void EntityInjectedBTNode_base::reportContentFault(const std::string& node) const {
    try {
        throw;
    } catch (const UnusableNodeInput& fault) {
        // Its text names the port and the node already.
        report(fault.what());
    } catch (const orv::MissingComponent& fault) {
        reportFailure(node, fault.what());
    } catch (const std::invalid_argument& fault) {
        reportFailure(node, fault.what());
    } catch (const std::out_of_range& fault) {
        reportFailure(node, fault.what());
    } catch (const std::range_error& fault) {
        reportFailure(node, fault.what());
    } catch (const nlohmann::json::exception& fault) {
        reportFailure(node, fault.what());
    } catch (const bt::RuntimeError& fault) {
        reportFailure(node, fault.what());
    }
}

void EntityInjectedBTNode_base::report(const std::string& text) const {
    requireOwner().getComponent<AiComponent>()->reportTreeFault(text + "; the node fails");
}

} // namespace tarsk
