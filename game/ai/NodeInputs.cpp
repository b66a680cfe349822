#include "game/ai/NodeInputs.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/physics/PhysicsComponent.hpp"
#include "game/ai/WorldOf.hpp"

namespace tarsk {

const b2Body& requiredTargetBody(const bt::TreeNode& node, const orv::Entity& owner,
                                 const std::string& port) {
    const auto missing = [&](const std::string& why) {
        return UnusableNodeInput("input port \"" + port + "\" of node \"" + node.getName() + "\": " + why);
    };
    const orv::Entity* target = requiredInput<const orv::Entity*>(node, port);
    if (!target)
        throw missing("it holds no entity");
    if (!worldOf(owner).contains(target))
        throw missing("its entity is no longer in the world");
    const auto* physics = target->findComponent<orv::PhysicsComponent>();
    if (!physics || !physics->getBody())
        throw missing("its entity has no body in the simulation");
    return *physics->getBody();
}

bool isInputGiven(const bt::TreeNode& node, const std::string& port) {
    const bt::NodeConfiguration& config = node.getConfig();
    const auto it = config.inputPorts.find(port);
    if (it == config.inputPorts.end())
        return false;
    const auto key = bt::TreeNode::blackboardKey(it->second);
    return !key || (config.blackboard && config.blackboard->contains(std::string(*key)));
}

bool readsBlackboard(const bt::TreeNode& node, const std::string& port) {
    const bt::PortsRemapping& ports = node.getConfig().inputPorts;
    const auto it = ports.find(port);
    return it != ports.end() && bt::TreeNode::blackboardKey(it->second);
}

} // namespace tarsk
