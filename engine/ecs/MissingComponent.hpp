#pragma once

#include <stdexcept>
#include <string>

namespace orv {

// What Entity::getComponent throws for a component the entity lacks. Most often an entity's
// content leaves out what some code needs, so code running content (a behaviour-tree node) can
// tell it from the program's own faults.
class MissingComponent : public std::logic_error {
public:
    explicit MissingComponent(const std::string& what) : std::logic_error(what) {}
};

} // namespace orv
