#include "SerialTestTypes.hpp"

#include "engine/common/JsonError.hpp"
#include "engine/persistence/PersistenceComponent.hpp"
#include "engine/serialization/BlueprintComponent.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using serial_test::messageOf;
using serial_test::Registry;
using serial_test::Stats;
using Json = nlohmann::json;

struct BlueprintEntities : ::testing::Test {
    Registry registry;
    orv::BlueprintManager& library = registry.types.getBlueprintManager();

    BlueprintEntities() {
        library.add(Json::parse(R"({"_type": "plant", "_inherit": [], "_isEntity": false,
            "stats": {"hp": 5, "kind": "plant"}})"));
        // Only the position of a tree's transform is its own.
        library.add(Json::parse(R"({"_type": "tree", "_inherit": ["plant"], "_isEntity": true,
            "transform": {"_save": ["position"]}, "stats": {"kind": "tree"}})"));
        // Every rock lies where its blueprint says.
        library.add(Json::parse(R"({"_type": "rock", "_inherit": [], "_isEntity": true,
            "transform": {"position": [1.0, 1.0, 0.0]}, "stats": 5})"));
        library.compileAll();
    }

    // An initialised blueprint entity that is saved with its world.
    std::unique_ptr<orv::Entity> saved(const std::string& name) {
        auto entity = registry.types.instantiate(name);
        entity->addComponent<orv::PersistenceComponent>(true);
        entity->init();
        return entity;
    }
};

TEST_F(BlueprintEntities, InstantiatingGivesEveryComponentAndTheBlueprintUninitialised) {
    auto entity = registry.types.instantiate("tree");
    EXPECT_FALSE(entity->getInitStatus());
    EXPECT_EQ(entity->getComponents().size(), 3u);
    EXPECT_EQ(entity->getComponent<Stats>()->data, Json::parse(R"({"hp": 5, "kind": "tree"})"));
    EXPECT_EQ(entity->getComponent<orv::TransformationComponent>()->getPosition(), sf::Vector3f());
    EXPECT_EQ(entity->getComponent<orv::BlueprintComponent>()->getBlueprintName(), "tree");
    EXPECT_EQ(entity->getComponent<orv::BlueprintComponent>()->toJsonData(),
              Json::parse(R"({"type": "tree"})"));

    EXPECT_EQ(messageOf<std::logic_error>([&] { registry.types.instantiate("ghost"); }),
              R"(unknown blueprint "ghost")");
}

TEST_F(BlueprintEntities, ATreeSavesItsBlueprintNameAndOnlyWhatIsItsOwn) {
    auto tree = saved("tree");
    auto* transform = tree->getComponent<orv::TransformationComponent>();
    transform->setPosition({2.f, 3.25f, 0.f});
    transform->setRotation(45.f);
    transform->setScale({2.f, 2.f});
    tree->getComponent<Stats>()->data["age"] = 3;

    const Json written = orv::SerializationManager::entityToJson(*tree);
    EXPECT_EQ(written, Json::parse(R"({"components": {
        "blueprint": {"type": "tree"},
        "stats": {"age": 3},
        "transform": {"position": [2.0, 3.25, 0.0]}}})"));

    // Read back, the blueprint fills in the rest.
    auto loaded = registry.types.entityFromJson(written);
    EXPECT_EQ(loaded->getComponent<orv::TransformationComponent>()->getPosition(),
              sf::Vector3f(2.f, 3.25f, 0.f));
    EXPECT_EQ(loaded->getComponent<orv::TransformationComponent>()->getRotation(), 0.f);
    EXPECT_EQ(loaded->getComponent<Stats>()->data, Json::parse(R"({"age": 3, "hp": 5, "kind": "tree"})"));
    EXPECT_EQ(loaded->getComponent<orv::BlueprintComponent>()->getBlueprintName(), "tree");
    loaded->addComponent<orv::PersistenceComponent>(true);
    loaded->init();
    EXPECT_EQ(orv::SerializationManager::entityToJson(*loaded), written);
}

TEST_F(BlueprintEntities, WhatTheBlueprintDefinesIsNotSavedAndComesFromTheBlueprintOnReading) {
    auto rock = saved("rock");
    rock->getComponent<orv::TransformationComponent>()->setPosition({9.f, 9.f, 0.f});
    const Json written = orv::SerializationManager::entityToJson(*rock);
    // A record the blueprint holds as something other than an object is saved empty.
    EXPECT_EQ(written["components"]["stats"], Json::object());
    EXPECT_EQ(written["components"]["transform"], Json::parse(R"({"rotation": 0.0, "scale": [1.0, 1.0]})"));

    // Even a saved position gives way to the blueprint's current one.
    Json edited = written;
    edited["components"]["transform"]["position"] = {5.0, 5.0, 0.0};
    auto loaded = registry.types.entityFromJson(edited);
    EXPECT_EQ(loaded->getComponent<orv::TransformationComponent>()->getPosition(),
              sf::Vector3f(1.f, 1.f, 0.f));
}

TEST_F(BlueprintEntities, ComponentsTheBlueprintDoesNotListAreNotSaved) {
    auto tree = registry.types.instantiate("tree");
    tree->addComponent<serial_test::Traced>(registry.log, "extra");
    tree->addComponent<orv::PersistenceComponent>(true);
    tree->init();
    EXPECT_FALSE(orv::SerializationManager::entityToJson(*tree)["components"].contains("traced"));
}

TEST_F(BlueprintEntities, WithoutPersistenceTheRelativeFormIsEmpty) {
    auto tree = registry.types.instantiate("tree");
    tree->init();
    EXPECT_EQ(tree->getComponent<orv::BlueprintComponent>()->serializeEntity(), Json::object());
    EXPECT_TRUE(orv::SerializationManager::entityToJson(*tree).is_null());
}

TEST_F(BlueprintEntities, MalformedRecordsFailWithTheJsonLibraryMessage) {
    auto tree = saved("tree");
    tree->getComponent<Stats>()->data = Json::array({1, 2});
    EXPECT_EQ(messageOf<nlohmann::json::type_error>([&] { orv::SerializationManager::entityToJson(*tree); }),
              "[json.exception.type_error.307] cannot use erase() with array");

    EXPECT_EQ(messageOf<orv::JsonError>([&] {
                  registry.types.entityFromJson({{"components", {{"blueprint", {{"type", 3}}}}}});
              }),
              "components: [json.exception.type_error.302] type must be string, but is number");
    EXPECT_EQ(messageOf<orv::JsonError>([&] {
                  registry.types.entityFromJson({{"components", {{"blueprint", {{"type", "ghost"}}}}}});
              }),
              R"(components: unknown blueprint "ghost")");

    library.add(Json::parse(R"({"_type": "odd", "_inherit": [], "_isEntity": true,
        "stats": {"_save": "hp"}})"));
    library.compileAll();
    EXPECT_EQ(messageOf<nlohmann::json::type_error>(
                  [&] { orv::SerializationManager::entityToJson(*saved("odd")); }),
              "[json.exception.type_error.302] type must be array, but is string");
}

} // namespace

namespace {

TEST_F(BlueprintEntities, ReadingInPlaceGivesTheMembersOfTheMergedRecord) {
    library.add(Json::parse(R"({"_type": "pond", "_inherit": ["plant"], "_isEntity": true,
        "stats": {"hp": null, "depth": {"m": 2, "cm": null}}, "water": {"cold": true, "fish": null},
        "drain": null, "shade": {"deep": 3, "tall": {"a": null, "b": 1}, "wide": null}})"));
    library.compileAll();
    const Json record = Json::parse(R"({"blueprint": {"type": "pond"}, "drain": {"open": true},
        "stats": {"hp": 9, "depth": {"cm": 5}, "own": 1}, "transform": {"position": [2.0, 0.0, 0.0]},
        "water": "warm", "shade": {"deep": {"x": 1}, "tall": 4, "wide": 2, "mine": [null]}})");
    Json visited = Json::object();
    std::vector<std::string> order;
    library.forEachResolvedComponent(record, [&](const std::string& key, const Json& value) {
        order.push_back(key);
        visited[key] = value;
    });
    EXPECT_EQ(visited, library.resolveComponents(record));
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end()));
    EXPECT_EQ(order.size(), visited.size());

    // A blueprint without parents hands over what the record lacks.
    const Json bare = Json::parse(R"({"blueprint": {"type": "rock"}, "stats": 7})");
    visited = Json::object();
    library.forEachResolvedComponent(
        bare, [&](const std::string& key, const Json& value) { visited[key] = value; });
    EXPECT_EQ(visited, library.resolveComponents(bare));

    // Without a blueprint the record itself.
    const Json plain = Json::parse(R"({"stats": {"hp": 1}, "transform": {}})");
    visited = Json::object();
    library.forEachResolvedComponent(
        plain, [&](const std::string& key, const Json& value) { visited[key] = value; });
    EXPECT_EQ(visited, plain);
}

} // namespace
