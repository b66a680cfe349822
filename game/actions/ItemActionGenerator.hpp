#pragma once

#include "game/actions/ItemAction.hpp"

#include <memory>
#include <vector>

namespace orv {
class Entity;
class World;
} // namespace orv

namespace tarsk {

class Item;

// Proposes what an actor can do with one item it carries.
class ItemActionGenerator {
public:
    virtual ~ItemActionGenerator();
    virtual std::vector<std::unique_ptr<ItemAction>> generate(orv::World& world, const orv::Entity* actor,
                                                              const Item* item) = 0;
};

} // namespace tarsk
