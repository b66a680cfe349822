#include "game/actions/PickupItemAction.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "game/actions/TargetBounds.hpp"
#include "game/inventory/Inventory.hpp"
#include "game/items/ItemComponent.hpp"

namespace tarsk {

PickupItemAction::PickupItemAction(orv::World& world, Inventory& inventory, const orv::Entity* target)
    : world(world), inventory(inventory), target(target),
      itemComponent(target->getComponent<ItemComponent>()) {}

std::string PickupItemAction::getDescription() const {
    return "Pick up: " +
           (itemComponent->hasItem() ? itemComponent->getItem()->getName() : std::string("#error#"));
}

sf::FloatRect PickupItemAction::getTargetBounds() const {
    return bodyBounds(*target);
}

void PickupItemAction::execute() {
    if (!itemComponent->hasItem())
        return;
    inventory.addItem(itemComponent->takeItem());
    world.markForRemoval(target);
}

} // namespace tarsk
