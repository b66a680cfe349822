#pragma once

#include <functional>
#include <memory>
#include <string>

namespace orv {
class Entity;
}

namespace tarsk {

// Makes a new, uninitialised entity of the kind named by a factory id; an unknown id throws.
// Bound to the game's entity factories by whoever builds the systems that need new entities.
using EntityMaker = std::function<std::unique_ptr<orv::Entity>(const std::string& id)>;

} // namespace tarsk
