#pragma once

#include <stdexcept>
#include <string>

namespace tarsk {

// A node input that cannot be used when the node runs: its blackboard entry is not written (yet),
// holds another type, or names no entity. The node fails for it, the tree's own way of saying it
// cannot, and the game goes on (EntityInjectedBTNode).
class UnusableNodeInput : public std::runtime_error {
public:
    explicit UnusableNodeInput(const std::string& what) : std::runtime_error(what) {}
};

} // namespace tarsk
