#pragma once

#include <functional>
#include <memory>
#include <string>

namespace orv {
class Entity;
}

namespace tarsk {

// Makes a new, uninitialised entity of the kind registered under an entity-factory id; an id
// without a factory throws.
using EntityMaker = std::function<std::unique_ptr<orv::Entity>(const std::string& id)>;

} // namespace tarsk
