#pragma once

#include "bt/Convert.hpp"
#include "bt/Types.hpp"

#include <functional>
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

    // How a text for this port is checked when a tree is made: it must convert to the port's
    // type and pass the port's own test. Throws (the reason) for a text the node could not use.
    using LiteralCheck = std::function<void(std::string_view)>;
    void setLiteralCheck(LiteralCheck check) { literalCheck = std::move(check); }
    void checkLiteral(std::string_view text) const {
        if (literalCheck)
            literalCheck(text);
    }

private:
    PortDirection direction;
    std::optional<std::type_index> type;
    std::string description;
    LiteralCheck literalCheck;
};

// Tests a converted port value; throws std::exception with the reason to refuse it.
template <class T>
using PortValueCheck = std::function<void(const T&)>;

namespace detail {

template <class T>
PortInfo typedInput(PortDirection direction, std::string description, PortValueCheck<T> check) {
    PortInfo info(direction, typeid(T), std::move(description));
    info.setLiteralCheck([check = std::move(check)](std::string_view text) {
        const T value = convertFromString<T>(text);
        if (check)
            check(value);
    });
    return info;
}

} // namespace detail

// A node class's ports by name, as returned by its static providedPorts().
using PortsList = std::unordered_map<std::string, PortInfo>;

template <class T>
std::pair<std::string, PortInfo> InputPort(std::string name, std::string description = {}) {
    return {std::move(name), detail::typedInput<T>(PortDirection::INPUT, std::move(description), {})};
}

// An input whose values must also pass `check`.
template <class T>
std::pair<std::string, PortInfo> InputPort(std::string name, PortValueCheck<T> check,
                                           std::string description = {}) {
    return {std::move(name),
            detail::typedInput<T>(PortDirection::INPUT, std::move(description), std::move(check))};
}

template <class T>
std::pair<std::string, PortInfo> OutputPort(std::string name, std::string description = {}) {
    return {std::move(name), PortInfo(PortDirection::OUTPUT, typeid(T), std::move(description))};
}

template <class T>
std::pair<std::string, PortInfo> BidirectionalPort(std::string name, std::string description = {}) {
    return {std::move(name), detail::typedInput<T>(PortDirection::INOUT, std::move(description), {})};
}

} // namespace bt
