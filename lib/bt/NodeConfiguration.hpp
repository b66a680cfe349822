#pragma once

#include "bt/Blackboard.hpp"

#include <string>
#include <unordered_map>

namespace bt {

// Port name -> text written in the tree: a literal, or a blackboard key in braces ("{target}").
using PortsRemapping = std::unordered_map<std::string, std::string>;

// Everything a node instance is given besides its name. In/out ports appear in both maps.
struct NodeConfiguration {
    Blackboard::Ptr blackboard;
    PortsRemapping inputPorts;
    PortsRemapping outputPorts;
};

} // namespace bt
