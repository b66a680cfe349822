#pragma once

#include "engine/ecs/SerializableComponent.hpp"
#include "game/content/Identifiers.hpp"
#include "game/items/Item.hpp"

#include <memory>
#include <string>

namespace tarsk {

class ItemManager;

// Makes its entity an item lying in the world: it owns the item and shows the item's icon
// through the entity's sprite. Saved under "item" as {"itemId": id}, or {} once the item is gone.
class ItemComponent : public orv::SerializableComponent {
public:
    inline static const std::string& Name = id::component::item;

    ItemComponent() = default;
    explicit ItemComponent(std::unique_ptr<Item> item);

    // Empty for a non-object or an object without "itemId"; otherwise "itemId" must be a string
    // naming a defined kind.
    static std::unique_ptr<ItemComponent> fromJson(const nlohmann::json& data, const ItemManager& items);

    // Points the sprite at the item's icon; the sprite accepts that only before its own onInit.
    void onPreInit(orv::Entity* entity) override;
    void onInit() override {}

    nlohmann::json toJsonData() const override;
    const std::string& getName() const override { return Name; }

    bool hasItem() const { return item != nullptr; }
    const Item* getItem() const { return item.get(); }
    // Leaves the component empty.
    std::unique_ptr<Item> takeItem();
    // Throws std::logic_error "item already set" while the component holds one.
    void setItem(std::unique_ptr<Item> newItem);

private:
    std::unique_ptr<Item> item;
};

} // namespace tarsk
