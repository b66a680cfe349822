#pragma once

#include <ostream>
#include <string_view>

namespace bt {

enum class NodeStatus { IDLE, RUNNING, SUCCESS, FAILURE };

enum class NodeType { UNDEFINED, ACTION, CONDITION, CONTROL, DECORATOR, SUBTREE };

enum class PortDirection { INPUT, OUTPUT, INOUT };

std::string_view toStr(NodeStatus status);
std::string_view toStr(NodeType type);
std::string_view toStr(PortDirection direction);

inline bool isFinished(NodeStatus status) {
    return status == NodeStatus::SUCCESS || status == NodeStatus::FAILURE;
}

std::ostream& operator<<(std::ostream& out, NodeStatus status);
std::ostream& operator<<(std::ostream& out, NodeType type);
std::ostream& operator<<(std::ostream& out, PortDirection direction);

} // namespace bt
