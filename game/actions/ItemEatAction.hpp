#pragma once

#include "game/actions/ItemAction.hpp"

#include <nlohmann/json.hpp>

namespace orv {
class Entity;
}

namespace tarsk {

class Inventory;
class Item;

// Eats a carried item: its "NutritionalValue" goes to the actor's first need.
class ItemEatAction : public ItemAction {
public:
    // Reads nothing of the item but its properties, which belong to its kind and outlive it.
    ItemEatAction(const orv::Entity* actor, Inventory& inventory, const Item* item);

    std::string getDescription() const override { return "Eat"; }
    // The item must still be in the inventory (std::exception otherwise, and the actor stays
    // hungry) and the actor needs a NeedsComponent (std::logic_error).
    void execute() override;

private:
    const orv::Entity* actor;
    Inventory& inventory;
    const Item* item;
    const nlohmann::json* properties;
};

} // namespace tarsk
