#pragma once

#include "bt/Blackboard.hpp"
#include "bt/Tree.hpp"

#include <string>

namespace bt {

class BehaviorTreeFactory;

// Builds the main tree of an XML text with the factory's node types; every error is a
// RuntimeError that names the line it was found on.
Tree parseTreeText(const BehaviorTreeFactory& factory, const std::string& text, Blackboard::Ptr blackboard);

} // namespace bt
