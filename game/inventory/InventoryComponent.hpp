#pragma once

#include "engine/ecs/SerializableComponent.hpp"
#include "game/content/Identifiers.hpp"
#include "game/inventory/Inventory.hpp"

#include <memory>
#include <string>

namespace tarsk {

class ItemManager;

// Gives its entity an inventory. Saved under "inventory" as {"inventory": [item id, ...]}.
class InventoryComponent : public orv::SerializableComponent {
public:
    inline static const std::string& Name = id::component::inventory;

    InventoryComponent() = default;
    InventoryComponent(const nlohmann::json& ids, const ItemManager& items);

    // The record must be an object holding the "inventory" array.
    static std::unique_ptr<InventoryComponent> fromJson(const nlohmann::json& data, const ItemManager& items);

    void onPreInit(orv::Entity*) override {}
    void onInit() override {}

    nlohmann::json toJsonData() const override;
    const std::string& getName() const override { return Name; }

    Inventory& getInventory() { return inventory; }
    const Inventory& getInventory() const { return inventory; }

private:
    Inventory inventory;
};

} // namespace tarsk
