#pragma once

#include "game/items/Item.hpp"
#include "game/resources/SfTextureResourceCache.hpp"

#include <memory>
#include <string>

namespace tarsk {

// An item of a kind defined in the item files. The properties belong to the definition, which
// lives as long as the item manager.
class PredefinedItem : public Item {
public:
    using Icon = ResourceCache::SfTextureResourceCache;

    PredefinedItem(std::string id, std::string name, std::shared_ptr<Icon> icon, std::string iconPath,
                   const nlohmann::json* properties);

    const std::string& getId() const override { return id; }
    const std::string& getName() const override { return name; }
    const sf::Texture* getIconTexture() const override;
    const std::string& getIconPath() const override { return iconPath; }
    const nlohmann::json* getProperties() const override { return properties; }

private:
    std::string id;
    std::string name;
    // The decoded icon; its texture is uploaded when first asked for.
    std::shared_ptr<Icon> icon;
    std::string iconPath;
    const nlohmann::json* properties;
};

} // namespace tarsk
