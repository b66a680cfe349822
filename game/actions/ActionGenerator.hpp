#pragma once

#include "game/actions/Action.hpp"

#include <memory>
#include <vector>

namespace orv {
class Entity;
class World;
} // namespace orv

namespace tarsk {

// Proposes what an actor can do with the things around it.
class ActionGenerator {
public:
    virtual ~ActionGenerator();
    virtual std::vector<std::unique_ptr<Action>> generate(orv::World& world, const orv::Entity* actor) = 0;
};

} // namespace tarsk
