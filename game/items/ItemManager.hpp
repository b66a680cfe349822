#pragma once

#include "game/items/Item.hpp"
#include "game/items/ItemDefinition.hpp"

#include <nlohmann/json.hpp>

#include <deque>
#include <filesystem>
#include <memory>
#include <string>

namespace orv {
class Entity;
class ResourceManager;
class SerializationManager;
} // namespace orv

namespace tarsk {

// The kinds of item the item files define, in load order, and the maker of items and item
// entities from them. Definitions are never removed and never move: items point at their
// properties.
class ItemManager {
public:
    ItemManager(orv::ResourceManager& resources, orv::SerializationManager& serialization);
    ItemManager(const ItemManager&) = delete;
    ItemManager& operator=(const ItemManager&) = delete;

    // Every regular file below the folder whose extension is exactly ".json", in path order.
    // Errors are orv::JsonErrors naming the file and the path of the bad value.
    void loadDirectory(const std::filesystem::path& folder);
    // One item object, or an array of them. Throws std::runtime_error for anything else and for
    // an icon that cannot be read or decoded; the elements of an array before a bad one stay
    // defined. Errors in an element or a member are orv::JsonErrors with its path ("[2].iconTexture").
    void loadItemFile(const nlohmann::json& file);

    // A new item of the first kind with that id; std::runtime_error when none has it.
    std::unique_ptr<Item> createItem(const std::string& id) const;
    // A new entity of the "item_base" blueprint holding a new item of that id; not initialised.
    std::unique_ptr<orv::Entity> createItemEntity(const std::string& id) const;

    // The first definition with that id, or null.
    const ItemDefinition* findDefinition(const std::string& id) const;
    const std::deque<ItemDefinition>& getDefinitions() const { return definitions; }

private:
    void loadItemObject(const nlohmann::json& object);
    void checkIcon(const ItemDefinition& definition);

    orv::ResourceManager& resources;
    orv::SerializationManager& serialization;
    std::deque<ItemDefinition> definitions;
};

} // namespace tarsk
