#include "game/inventory/Inventory.hpp"

#include "game/items/ItemManager.hpp"

#include <algorithm>
#include <exception>
#include <utility>

namespace tarsk {

Inventory::Inventory(const nlohmann::json& ids, const ItemManager& itemManager) {
    // A lone string would iterate as itself; only a list of ids is a list.
    if (!ids.is_array())
        throw nlohmann::json::type_error::create(
            302, "type must be array, but is " + std::string(ids.type_name()), &ids);
    for (const nlohmann::json& id : ids)
        items.push_back(itemManager.createItem(id.get<std::string>()));
}

void Inventory::addItem(std::unique_ptr<Item> item) {
    if (!item)
        return;
    items.push_back(std::move(item));
    changed.emit();
}

const Item* Inventory::findItemById(const std::string& id) const {
    auto it = std::find_if(items.begin(), items.end(),
                           [&id](const std::unique_ptr<Item>& item) { return item->getId() == id; });
    return it == items.end() ? nullptr : it->get();
}

int Inventory::countItemsById(const std::string& id) const {
    return static_cast<int>(
        std::count_if(items.begin(), items.end(),
                      [&id](const std::unique_ptr<Item>& item) { return item->getId() == id; }));
}

std::unique_ptr<Item> Inventory::removeItem(const Item* item) {
    auto it = std::find_if(items.begin(), items.end(),
                           [item](const std::unique_ptr<Item>& held) { return held.get() == item; });
    if (it == items.end())
        throw std::exception();
    std::unique_ptr<Item> removed = std::move(*it);
    items.erase(it);
    changed.emit();
    return removed;
}

nlohmann::json Inventory::toJson() const {
    nlohmann::json ids = nlohmann::json::array();
    for (const std::unique_ptr<Item>& item : items)
        ids.push_back(item->getId());
    return ids;
}

} // namespace tarsk
