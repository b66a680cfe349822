#include "game/items/ItemManager.hpp"

#include "engine/common/JsonNumber.hpp"
#include "engine/common/JsonWhere.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/resources/FolderFiles.hpp"
#include "engine/resources/JsonResourceCache.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/serialization/SerializationManager.hpp"
#include "game/content/Identifiers.hpp"
#include "game/items/ItemComponent.hpp"
#include "game/items/PredefinedItem.hpp"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace tarsk {

ItemManager::ItemManager(orv::ResourceManager& resources, orv::SerializationManager& serialization)
    : resources(resources), serialization(serialization) {}

void ItemManager::loadDirectory(const std::filesystem::path& folder) {
    for (const std::filesystem::path& file : orv::listFolderFiles(folder, {".json"})) {
        const std::string name = file.generic_string();
        orv::readFromFile(
            name, [&] { loadItemFile(resources.get(name).getCache<orv::JsonResourceCache>()->get()); });
    }
}

void ItemManager::loadItemFile(const nlohmann::json& file) {
    if (file.is_object()) {
        loadItemObject(file);
        return;
    }
    if (!file.is_array())
        throw std::runtime_error("invalid item file");
    for (std::size_t i = 0; i < file.size(); ++i) {
        orv::readUnderIndex(i, [&] {
            if (!file[i].is_object())
                throw std::runtime_error("invalid element in item file array");
            loadItemObject(file[i]);
        });
    }
}

namespace {

std::string requiredString(const nlohmann::json& object, const char* key) {
    return orv::readUnderKey(key, [&] { return object.at(key).get<std::string>(); });
}

} // namespace

void ItemManager::loadItemObject(const nlohmann::json& object) {
    ItemDefinition definition;
    definition.id = requiredString(object, "id");
    definition.name = requiredString(object, "name");
    definition.iconTexture = requiredString(object, "iconTexture");
    if (auto it = object.find("properties"); it != object.end()) {
        // Read when the item is eaten, which must not be the first time its value is looked at.
        if (it->is_object() && it->contains(id::nutritionalValue))
            orv::readUnderKey("properties", [&] {
                orv::jsonNumber<float>(it->at(id::nutritionalValue), id::nutritionalValue);
            });
        definition.properties = *it;
    }
    checkIcon(definition);
    definitions.push_back(std::move(definition));
}

void ItemManager::checkIcon(const ItemDefinition& definition) {
    // Decoded now and kept by the resource, so a broken icon stops the start instead of the first
    // pickup or cook; the texture itself is still made on first use.
    const std::string path = id::itemsFolder + definition.iconTexture;
    try {
        resources.get(path).getCache<PredefinedItem::Icon>();
    } catch (const std::exception& error) {
        throw std::runtime_error("item " + definition.id + ": cannot load its icon " + path + " (" +
                                 error.what() + ")");
    }
}

const ItemDefinition* ItemManager::findDefinition(const std::string& id) const {
    auto it = std::find_if(definitions.begin(), definitions.end(),
                           [&id](const ItemDefinition& definition) { return definition.id == id; });
    return it == definitions.end() ? nullptr : &*it;
}

std::unique_ptr<Item> ItemManager::createItem(const std::string& id) const {
    const ItemDefinition* definition = findDefinition(id);
    if (!definition)
        throw std::runtime_error("Item not found, id: " + id);
    std::string iconPath = id::itemsFolder + definition->iconTexture;
    auto icon = resources.get(iconPath).getCache<PredefinedItem::Icon>();
    return std::make_unique<PredefinedItem>(definition->id, definition->name, std::move(icon),
                                            std::move(iconPath), &definition->properties);
}

std::unique_ptr<orv::Entity> ItemManager::createItemEntity(const std::string& id) const {
    std::unique_ptr<orv::Entity> entity = serialization.instantiate(id::itemBaseBlueprint);
    entity->getComponent<ItemComponent>()->setItem(createItem(id));
    return entity;
}

} // namespace tarsk
