#include "game/inventory/InventoryComponent.hpp"

#include "game/json/JsonObject.hpp"

namespace tarsk {

namespace {
const std::string inventoryKey = "inventory";
}

InventoryComponent::InventoryComponent(const nlohmann::json& ids, const ItemManager& items)
    : inventory(ids, items) {}

std::unique_ptr<InventoryComponent> InventoryComponent::fromJson(const nlohmann::json& data,
                                                                 const ItemManager& items) {
    requireJsonObject(data);
    return std::make_unique<InventoryComponent>(data.at(inventoryKey), items);
}

nlohmann::json InventoryComponent::toJsonData() const {
    return {{inventoryKey, inventory.toJson()}};
}

} // namespace tarsk
