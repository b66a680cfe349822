#include "game/items/PredefinedItem.hpp"

#include <utility>

namespace tarsk {

PredefinedItem::PredefinedItem(std::string id, std::string name, std::shared_ptr<Icon> icon,
                               std::string iconPath, const nlohmann::json* properties)
    : id(std::move(id)), name(std::move(name)), icon(std::move(icon)), iconPath(std::move(iconPath)),
      properties(properties) {}

const sf::Texture* PredefinedItem::getIconTexture() const {
    return icon ? &icon->get() : nullptr;
}

} // namespace tarsk
