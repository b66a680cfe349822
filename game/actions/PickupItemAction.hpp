#pragma once

#include "game/actions/Action.hpp"

namespace orv {
class Entity;
class World;
} // namespace orv

namespace tarsk {

class Inventory;
class ItemComponent;

// Moves the item of an item entity into an inventory; the emptied entity leaves its world at the
// end of the frame.
class PickupItemAction : public Action {
public:
    // The target must have an ItemComponent (std::logic_error otherwise).
    PickupItemAction(orv::World& world, Inventory& inventory, const orv::Entity* target);

    // "Pick up: " and the item's name; "#error#" in place of the name once the item is gone.
    std::string getDescription() const override;
    sf::FloatRect getTargetBounds() const override;
    // Does nothing when the item was taken already.
    void execute() override;

private:
    orv::World& world;
    Inventory& inventory;
    const orv::Entity* target;
    ItemComponent* itemComponent;
};

} // namespace tarsk
