#pragma once

#include "engine/ecs/SerializableToJson.hpp"
#include "engine/signals/Signal.hpp"
#include "game/items/Item.hpp"

#include <memory>
#include <string>
#include <vector>

namespace tarsk {

class ItemManager;

// The items an entity carries, owned, in the order they came in. Two items of one kind are
// separate objects. Written as the array of their ids.
class Inventory : public orv::SerializableToJson {
public:
    Inventory() = default;
    // One new item per id, in order; every element must be a string naming a defined kind.
    Inventory(const nlohmann::json& ids, const ItemManager& items);
    Inventory(const Inventory&) = delete;
    Inventory& operator=(const Inventory&) = delete;

    // An empty pointer is ignored.
    void addItem(std::unique_ptr<Item> item);
    // The first item of that kind, or null.
    const Item* findItemById(const std::string& id) const;
    int countItemsById(const std::string& id) const;
    // Hands back exactly that object; throws std::exception, changing nothing, when it is not here.
    std::unique_ptr<Item> removeItem(const Item* item);

    const std::vector<std::unique_ptr<Item>>& getItems() const { return items; }

    nlohmann::json toJson() const override;

    // After every addition and removal.
    smartsignals::Signal<void()> changed;

private:
    std::vector<std::unique_ptr<Item>> items;
};

} // namespace tarsk
