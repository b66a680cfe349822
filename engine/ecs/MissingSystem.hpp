#pragma once

#include <stdexcept>
#include <string>

namespace orv {

// What SystemManager_base::getSystem throws for a system its owner lacks. Most often a game
// file's world leaves out what some content needs, so code running content (a behaviour-tree
// node) can tell it from the program's own faults.
class MissingSystem : public std::logic_error {
public:
    explicit MissingSystem(const std::string& what) : std::logic_error(what) {}
};

} // namespace orv
