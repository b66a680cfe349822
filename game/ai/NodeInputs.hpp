#pragma once

#include "bt/TreeNode.hpp"
#include "game/ai/UnusableNodeInput.hpp"

#include <string>
#include <utility>

class b2Body;

namespace orv {
class Entity;
}

namespace tarsk {

// An input the node cannot do without: a missing or unconvertible value throws UnusableNodeInput
// with the library's error text, which names the port, the node and the blackboard key.
template <class T>
T requiredInput(const bt::TreeNode& node, const std::string& port) {
    bt::Expected<T> value = node.getInput<T>(port);
    if (!value)
        throw UnusableNodeInput(value.error());
    return std::move(value).value();
}

// The simulated body of the entity an input names. Null (what FindTarget writes when it finds
// nobody), an entity that has left the owner's world since it was written (killed, or gone
// through a portal; the pointer is only compared, never followed, until the world vouches for
// it) and one without a body in the simulation are missing too.
const b2Body& requiredTargetBody(const bt::TreeNode& node, const orv::Entity& owner, const std::string& port);

// Whether the port has a value to read: it is written in the tree and, when it names a
// blackboard entry, that entry exists.
bool isInputGiven(const bt::TreeNode& node, const std::string& port);

// Whether the port reads a blackboard entry ("{key}"), so its value may change between ticks.
// A literal, or a port not written at all, reads the same every time.
bool readsBlackboard(const bt::TreeNode& node, const std::string& port);

// An input with a default for when it is not given. A value that is given but does not convert
// is a mistake in the tree and throws like a required input, rather than passing unnoticed.
template <class T>
T optionalInput(const bt::TreeNode& node, const std::string& port, T fallback) {
    if (!isInputGiven(node, port))
        return fallback;
    return requiredInput<T>(node, port);
}

} // namespace tarsk
