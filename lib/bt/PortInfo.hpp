#pragma once

#include "bt/Types.hpp"

#include <optional>
#include <string>
#include <typeindex>
#include <unordered_map>
#include <utility>

namespace bt {

// What a node class declares about one of its ports: direction, value type and a description.
class PortInfo {
public:
    // A port that accepts any type.
    explicit PortInfo(PortDirection direction, std::string description = {});
    PortInfo(PortDirection direction, std::type_index type, std::string description = {});

    PortDirection getDirection() const { return direction; }
    // Empty for a port that accepts any type.
    const std::optional<std::type_index>& getType() const { return type; }
    const std::string& getDescription() const { return description; }

    bool isInput() const { return direction != PortDirection::OUTPUT; }
    bool isOutput() const { return direction != PortDirection::INPUT; }

private:
    PortDirection direction;
    std::optional<std::type_index> type;
    std::string description;
};

// A node class's ports by name, as returned by its static providedPorts().
using PortsList = std::unordered_map<std::string, PortInfo>;

template <class T>
std::pair<std::string, PortInfo> InputPort(std::string name, std::string description = {}) {
    return {std::move(name), PortInfo(PortDirection::INPUT, typeid(T), std::move(description))};
}

template <class T>
std::pair<std::string, PortInfo> OutputPort(std::string name, std::string description = {}) {
    return {std::move(name), PortInfo(PortDirection::OUTPUT, typeid(T), std::move(description))};
}

template <class T>
std::pair<std::string, PortInfo> BidirectionalPort(std::string name, std::string description = {}) {
    return {std::move(name), PortInfo(PortDirection::INOUT, typeid(T), std::move(description))};
}

} // namespace bt
