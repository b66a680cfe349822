#include "game/actions/CookAction.hpp"

#include "engine/ecs/Entity.hpp"
#include "game/actions/TargetBounds.hpp"
#include "game/inventory/InventoryComponent.hpp"
#include "game/needs/CookingComponent.hpp"

#include <iostream>
#include <stdexcept>

namespace tarsk {

CookAction::CookAction(const orv::Entity* actor, const orv::Entity* target) : actor(actor), target(target) {}

sf::FloatRect CookAction::getTargetBounds() const {
    return bodyBounds(*target);
}

void CookAction::execute() {
    Inventory& inventory = actor->getComponent<InventoryComponent>()->getInventory();
    const Item* fish = inventory.findItemById(RawFish);
    if (!fish)
        return;
    // Cooked before the raw fish goes: a fire that fails leaves the fish where it was.
    std::unique_ptr<Item> cooked;
    try {
        cooked = target->getComponent<CookingComponent>()->cook();
    } catch (const std::runtime_error& error) {
        std::cout << "cooking refused: " << error.what() << std::endl;
        return;
    }
    inventory.removeItem(fish);
    inventory.addItem(std::move(cooked));
}

} // namespace tarsk
