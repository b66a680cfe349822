#include "game/actions/DefaultItemActionGenerator.hpp"

#include "engine/ecs/Entity.hpp"
#include "game/actions/ItemEatAction.hpp"
#include "game/content/Identifiers.hpp"
#include "game/inventory/InventoryComponent.hpp"
#include "game/items/Item.hpp"
#include "game/needs/NeedsComponent.hpp"

namespace tarsk {

std::vector<std::unique_ptr<ItemAction>>
DefaultItemActionGenerator::generate(orv::World&, const orv::Entity* actor, const Item* item) {
    std::vector<std::unique_ptr<ItemAction>> actions;
    const nlohmann::json* properties = item->getProperties();
    auto* inventory = actor->findComponent<InventoryComponent>();
    if (!actor->findComponent<NeedsComponent>() || !inventory || !properties || !properties->is_object() ||
        !properties->contains(id::nutritionalValue))
        return actions;
    actions.push_back(std::make_unique<ItemEatAction>(actor, inventory->getInventory(), item));
    return actions;
}

} // namespace tarsk
