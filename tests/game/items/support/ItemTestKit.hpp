#pragma once

#include "engine/ecs/Entity.hpp"
#include "engine/physics/PhysicsComponent.hpp"
#include "engine/resources/ResourceAccessException.hpp"
#include "engine/resources/ResourceLoader.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/serialization/BindTypeIndex.hpp"
#include "engine/serialization/SerializationManager.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/items/ItemComponent.hpp"
#include "game/items/ItemManager.hpp"
#include "game/render/RenderComponent.hpp"
#include "game/render/SpriteComponent.hpp"

#include <nlohmann/json.hpp>

#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <sstream>
#include <string>

namespace itemtest {

using Json = nlohmann::json;

// Content files kept in memory by path; a path that was never written cannot be read.
struct MemoryFiles {
    std::map<std::string, std::string> files;
    std::map<std::string, int> reads;

    std::unique_ptr<orv::ResourceLoader> makeLoader() {
        struct Loader : orv::ResourceLoader {
            explicit Loader(MemoryFiles& owner) : owner(owner) {}
            std::string load(const std::string& path) override {
                ++owner.reads[path];
                auto it = owner.files.find(path);
                if (it == owner.files.end())
                    throw orv::ResourceAccessException("no such file: " + path);
                return it->second;
            }
            MemoryFiles& owner;
        };
        return std::make_unique<Loader>(*this);
    }
};

// A real 16 x 16 PNG, so icons decode as the game decodes them.
inline const std::string& iconBytes() {
    static const std::string bytes = [] {
        std::ifstream in(std::string(ORV_SOURCE_DIR) + "/data/object_wood.png", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    return bytes;
}

inline Json itemObject(const std::string& id, const std::string& name, const std::string& icon,
                       Json properties = nullptr) {
    Json object = {{"id", id}, {"name", name}, {"iconTexture", icon}};
    if (!properties.is_null())
        object["properties"] = std::move(properties);
    return object;
}

// The services item code runs on: in-memory files, a type registry that knows the components of
// an item entity, and the item manager. The "item_base" blueprint is the one the game ships.
class ItemKit {
public:
    ItemKit()
        : resources([this] { return files.makeLoader(); }), items(resources, serialization),
          serialization(resources, componentFactories(items, resources), {}, {}) {
        std::ifstream in(std::string(ORV_SOURCE_DIR) + "/data/blueprint/item_base.json");
        serialization.getBlueprintManager().add(Json::parse(in));
        serialization.getBlueprintManager().compileAll();
    }

    // Defines the kinds and provides their icons.
    void define(const Json& file) {
        const auto provideIcon = [this](const Json& object) {
            files.files["./data/items/" + object.at("iconTexture").get<std::string>()] = iconBytes();
        };
        if (file.is_array()) {
            for (const Json& object : file)
                provideIcon(object);
        } else {
            provideIcon(file);
        }
        items.loadItemFile(file);
    }

    // WOOD, FISH, FISH_COOKED and FISH_BURNED, the fish edible.
    void defineBasics() {
        define(Json::array(
            {itemObject("WOOD", "Wood", "wood.png"),
             itemObject("FISH", "Fish", "fish.png", {{"NutritionalValue", 5}}),
             itemObject("FISH_COOKED", "Cooked Fish", "fish_cooked.png", {{"NutritionalValue", 35}}),
             itemObject("FISH_BURNED", "Burned Fish", "fish_burned.png", {{"NutritionalValue", 2}})}));
    }

    MemoryFiles files;
    orv::ResourceManager resources;
    tarsk::ItemManager items;
    orv::SerializationManager serialization;

    // The factories of the components an item entity is made of.
    static orv::ComponentFactories componentFactories(tarsk::ItemManager& items,
                                                      orv::ResourceManager& resources) {
        orv::ComponentFactories factories;
        factories.emplace("transform", orv::bindTypeIndex<orv::TransformationComponent>(
                                           &orv::TransformationComponent::fromJson));
        factories.emplace("render",
                          orv::bindTypeIndex<tarsk::RenderComponent>(&tarsk::RenderComponent::fromJson));
        factories.emplace("sprite", orv::bindTypeIndex<tarsk::SpriteComponent>(
                                        &tarsk::SpriteComponent::fromJson, std::ref(resources)));
        factories.emplace("physics",
                          orv::bindTypeIndex<orv::PhysicsComponent>(&orv::PhysicsComponent::fromJson));
        factories.emplace("item", orv::bindTypeIndex<tarsk::ItemComponent>(&tarsk::ItemComponent::fromJson,
                                                                           std::cref(items)));
        return factories;
    }
};

} // namespace itemtest
