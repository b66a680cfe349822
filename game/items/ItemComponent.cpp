#include "game/items/ItemComponent.hpp"

#include "engine/ecs/Entity.hpp"
#include "game/items/ItemManager.hpp"
#include "game/render/SpriteComponent.hpp"

#include <stdexcept>
#include <utility>

namespace tarsk {

namespace {
const std::string itemIdKey = "itemId";
}

ItemComponent::ItemComponent(std::unique_ptr<Item> item) : item(std::move(item)) {}

std::unique_ptr<ItemComponent> ItemComponent::fromJson(const nlohmann::json& data, const ItemManager& items) {
    if (!data.is_object() || !data.contains(itemIdKey))
        return std::make_unique<ItemComponent>();
    return std::make_unique<ItemComponent>(items.createItem(data.at(itemIdKey).get<std::string>()));
}

void ItemComponent::onPreInit(orv::Entity* entity) {
    if (item)
        entity->getComponent<SpriteComponent>()->setTextureId(item->getIconPath());
}

nlohmann::json ItemComponent::toJsonData() const {
    if (!item)
        return nlohmann::json::object();
    return {{itemIdKey, item->getId()}};
}

std::unique_ptr<Item> ItemComponent::takeItem() {
    return std::move(item);
}

void ItemComponent::setItem(std::unique_ptr<Item> newItem) {
    if (item)
        throw std::logic_error("item already set");
    item = std::move(newItem);
}

} // namespace tarsk
