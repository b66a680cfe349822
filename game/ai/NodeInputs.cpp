#include "game/ai/NodeInputs.hpp"

namespace tarsk {

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
