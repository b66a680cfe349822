#include "bt/PortInfo.hpp"

namespace bt {

PortInfo::PortInfo(PortDirection direction, std::string description)
    : direction(direction), description(std::move(description)) {}

PortInfo::PortInfo(PortDirection direction, std::type_index type, std::string description)
    : direction(direction), type(type), description(std::move(description)) {}

} // namespace bt
