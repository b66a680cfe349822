#include "bt/Types.hpp"

namespace bt {

std::string_view toStr(NodeStatus status) {
    switch (status) {
    case NodeStatus::IDLE:
        return "IDLE";
    case NodeStatus::RUNNING:
        return "RUNNING";
    case NodeStatus::SUCCESS:
        return "SUCCESS";
    case NodeStatus::FAILURE:
        return "FAILURE";
    }
    return "?";
}

std::string_view toStr(NodeType type) {
    switch (type) {
    case NodeType::UNDEFINED:
        return "Undefined";
    case NodeType::ACTION:
        return "Action";
    case NodeType::CONDITION:
        return "Condition";
    case NodeType::CONTROL:
        return "Control";
    case NodeType::DECORATOR:
        return "Decorator";
    case NodeType::SUBTREE:
        return "SubTree";
    }
    return "?";
}

std::string_view toStr(PortDirection direction) {
    switch (direction) {
    case PortDirection::INPUT:
        return "Input";
    case PortDirection::OUTPUT:
        return "Output";
    case PortDirection::INOUT:
        return "InOut";
    }
    return "?";
}

std::ostream& operator<<(std::ostream& out, NodeStatus status) {
    return out << toStr(status);
}
std::ostream& operator<<(std::ostream& out, NodeType type) {
    return out << toStr(type);
}
std::ostream& operator<<(std::ostream& out, PortDirection direction) {
    return out << toStr(direction);
}

} // namespace bt
