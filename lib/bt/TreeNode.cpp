#include "bt/TreeNode.hpp"

namespace bt {

TreeNode::TreeNode(std::string name, NodeConfiguration config)
    : name(std::move(name)), config(std::move(config)) {}

TreeNode::~TreeNode() = default;

NodeStatus TreeNode::executeTick() {
    const NodeStatus result = tick();
    if (result == NodeStatus::IDLE)
        throw LogicError("node \"", name, "\" returned IDLE from tick()");
    status = result;
    return result;
}

std::optional<std::string_view> TreeNode::blackboardKey(std::string_view text) {
    if (text.size() < 3 || text.front() != '{' || text.back() != '}')
        return std::nullopt;
    return text.substr(1, text.size() - 2);
}

Expected<std::string_view> TreeNode::inputText(const std::string& port) const {
    const auto it = config.inputPorts.find(port);
    if (it == config.inputPorts.end())
        return Unexpected(portError("input", port, "not set"));
    if (blackboardKey(it->second) && !config.blackboard)
        return Unexpected(portError("input", port, "the node has no blackboard"));
    return std::string_view(it->second);
}

Expected<std::string> TreeNode::outputKey(const std::string& port) const {
    const auto it = config.outputPorts.find(port);
    if (it == config.outputPorts.end())
        return Unexpected(portError("output", port, "not set"));
    const auto key = blackboardKey(it->second);
    if (!key)
        return Unexpected(
            portError("output", port, "\"" + it->second + "\" is not a blackboard key like {key}"));
    if (!config.blackboard)
        return Unexpected(portError("output", port, "the node has no blackboard"));
    return std::string(*key);
}

std::string TreeNode::portError(std::string_view kind, const std::string& port,
                                std::string_view message) const {
    std::string text;
    text.append(kind).append(" port \"").append(port).append("\" of node \"").append(name).append("\": ");
    text.append(message);
    return text;
}

} // namespace bt
