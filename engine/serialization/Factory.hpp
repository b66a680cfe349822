#pragma once

#include "engine/ecs/Component.hpp"
#include "engine/ecs/System_base.hpp"

#include <nlohmann/json.hpp>

#include <functional>
#include <memory>
#include <string>
#include <typeindex>
#include <unordered_map>
#include <utility>

namespace orv {

// What a factory makes from a saved record: the object, and the type under which its entity or
// system manager must keep it (the concrete type, whatever the pointer says).
template <class Base>
using FactoryResult = std::pair<std::unique_ptr<Base>, std::type_index>;

template <class Base>
using Factory = std::function<FactoryResult<Base>(const nlohmann::json&)>;

// Keyed by a component's JSON key.
using ComponentFactories = std::unordered_map<std::string, Factory<Component>>;
// Keyed by "_SystemTypeId".
using WorldSystemFactories = std::unordered_map<std::string, Factory<System_base<World>>>;
using GlobalSystemFactories = std::unordered_map<std::string, Factory<System_base<WorldManager>>>;

} // namespace orv
