#pragma once

#include "bt/Blackboard.hpp"
#include "bt/Expected.hpp"
#include "bt/NodeConfiguration.hpp"
#include "bt/Types.hpp"

#include <exception>
#include <optional>
#include <string>
#include <string_view>

namespace bt {

// Base of every node. A node is ticked by its parent (or the tree) and answers a status; a
// parent that no longer needs a RUNNING child halts it and sets it back to IDLE.
class TreeNode {
public:
    TreeNode(std::string name, NodeConfiguration config);
    TreeNode(const TreeNode&) = delete;
    TreeNode& operator=(const TreeNode&) = delete;
    virtual ~TreeNode();

    // Ticks once and records the answer. Exceptions of tick() pass through untouched.
    virtual NodeStatus executeTick();
    // Stops work in progress. Called on RUNNING nodes; the caller resets the status.
    virtual void halt() = 0;
    virtual NodeType getType() const = 0;

    const std::string& getName() const { return name; }
    // The id the node was created under; empty for nodes made by hand.
    const std::string& getRegistrationId() const { return registrationId; }
    void setRegistrationId(std::string id) { registrationId = std::move(id); }
    NodeStatus getStatus() const { return status; }
    void setStatus(NodeStatus newStatus) { status = newStatus; }
    const NodeConfiguration& getConfig() const { return config; }

    // The port's value: a literal converted to T, or the blackboard entry named by "{key}".
    // Never throws: an unmapped port, a missing entry or a failed conversion is an error text,
    // so a node can fall back to its own default.
    template <class T>
    Expected<T> getInput(const std::string& port) const {
        const Expected<std::string_view> text = inputText(port);
        if (!text)
            return Unexpected(text.error());
        try {
            if (const auto key = blackboardKey(*text))
                return config.blackboard->get<T>(std::string(*key));
            return convertFromString<T>(*text);
        } catch (const std::exception& error) {
            return Unexpected(portError("input", port, error.what()));
        }
    }

    // As getInput, but a missing or bad value throws RuntimeError.
    template <class T>
    T getRequiredInput(const std::string& port) const {
        Expected<T> value = getInput<T>(port);
        if (!value)
            throw RuntimeError("missing required input [", port, "]: ", value.error());
        return std::move(value).value();
    }

    // Writes to the blackboard entry the port names. Never throws.
    template <class T>
    Result setOutput(const std::string& port, const T& value) {
        const Expected<std::string> key = outputKey(port);
        if (!key)
            return Unexpected(key.error());
        try {
            config.blackboard->set(*key, value);
        } catch (const std::exception& error) {
            return Unexpected(portError("output", port, error.what()));
        }
        return {};
    }

    // The key of "{key}", or nothing when the text is a literal.
    static std::optional<std::string_view> blackboardKey(std::string_view text);

protected:
    virtual NodeStatus tick() = 0;

private:
    Expected<std::string_view> inputText(const std::string& port) const;
    Expected<std::string> outputKey(const std::string& port) const;
    std::string portError(std::string_view kind, const std::string& port, std::string_view message) const;

    std::string name;
    std::string registrationId;
    NodeConfiguration config;
    NodeStatus status = NodeStatus::IDLE;
};

} // namespace bt
