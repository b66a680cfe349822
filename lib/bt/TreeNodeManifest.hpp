#pragma once

#include "bt/PortInfo.hpp"
#include "bt/Types.hpp"

#include <string>

namespace bt {

// What the factory knows about a registered node type before building one.
struct TreeNodeManifest {
    NodeType type = NodeType::UNDEFINED;
    std::string registrationId;
    PortsList ports;
};

} // namespace bt
