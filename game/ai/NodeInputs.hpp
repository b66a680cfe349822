#pragma once

#include "bt/TreeNode.hpp"

#include <string>

namespace tarsk {

// An input the node cannot do without: a missing or unconvertible value throws the library's
// bad_expected_access, which carries the library's error text.
template <class T>
T requiredInput(const bt::TreeNode& node, const std::string& port) {
    return node.getInput<T>(port).value();
}

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
