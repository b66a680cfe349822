#pragma once

#include <nlohmann/json.hpp>

#include <functional>
#include <memory>
#include <typeindex>
#include <unordered_map>
#include <utility>
#include <vector>

namespace orv {

// A maker of one polymorphic value (a light inside a light component, say), stored beside makers
// of other base types; GenericHandler<Base> is the typed one.
class GenericHandler_base {
public:
    virtual ~GenericHandler_base() = default;
};

// Makes a Base from JSON of its own kind and declines (returns null) any other.
template <class Base>
class GenericHandler : public GenericHandler_base {
public:
    using Maker = std::function<std::unique_ptr<Base>(const nlohmann::json&)>;

    explicit GenericHandler(Maker maker) : maker(std::move(maker)) {}

    std::unique_ptr<Base> operator()(const nlohmann::json& data) const { return maker(data); }

private:
    Maker maker;
};

// Per base type, the makers to try in order.
using GenericHandlers =
    std::unordered_map<std::type_index, std::vector<std::shared_ptr<GenericHandler_base>>>;

} // namespace orv
