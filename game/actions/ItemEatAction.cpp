#include "game/actions/ItemEatAction.hpp"

#include "engine/common/JsonNumber.hpp"
#include "engine/ecs/Entity.hpp"
#include "game/content/Identifiers.hpp"
#include "game/inventory/Inventory.hpp"
#include "game/needs/NeedsComponent.hpp"

namespace tarsk {

namespace {

float nutritionalValue(const nlohmann::json* properties) {
    if (!properties || !properties->is_object() || !properties->contains(id::nutritionalValue))
        throw nlohmann::json::invalid_iterator::create(214, "cannot get value", properties);
    return orv::jsonNumber<float>(properties->at(id::nutritionalValue), id::nutritionalValue);
}

} // namespace

ItemEatAction::ItemEatAction(const orv::Entity* actor, Inventory& inventory, const Item* item)
    : actor(actor), inventory(inventory), item(item), properties(item->getProperties()) {}

void ItemEatAction::execute() {
    const float value = nutritionalValue(properties);
    NeedsComponent* needs = actor->getComponent<NeedsComponent>();
    // Removed first: a stale second "Eat" of the same item must not feed the actor again.
    inventory.removeItem(item);
    needs->changeNeeds({value, 0.f});
}

} // namespace tarsk
