#include "SerialTestTypes.hpp"

#include "engine/common/JsonError.hpp"
#include "engine/persistence/PersistenceComponent.hpp"
#include "engine/persistence/PersistenceSystem.hpp"
#include "engine/serialization/WorldReader.hpp"
#include "engine/serialization/WorldWriter.hpp"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using serial_test::Log;
using serial_test::messageOf;
using serial_test::Registry;
using serial_test::Traced;
using serial_test::TracedWorldSystem;
using Json = nlohmann::json;

// Two containers, manager-wide and world systems, and traced entities.
Json twoWorlds() {
    return Json::parse(R"({
        "wm_id_counter": 7,
        "systems_global": [{"_SystemTypeId": "TracedGlobalSystem"}],
        "worldContainers": [
            {"_id": 3, "_isActive": true, "_name": "island",
             "systems_local": [{"_SystemTypeId": "TracedWorldSystem2"},
                               {"_SystemTypeId": "TracedWorldSystem1", "data": {"seed": 1}}],
             "entities": [{"components": {"traced": {"id": "e1"}}},
                          {"components": {"stats": {"hp": 3}, "traced": {"id": "e2"}}}]},
            {"_id": 5, "_isActive": false, "_name": "cave",
             "systems_local": [],
             "entities": [{"components": {"traced": {"id": "e3"}}}]}
        ]
    })");
}

TEST(WorldReader, SystemsAreReadyBeforeEntitiesWhichArriveInOneBatchPerWorld) {
    Registry registry;
    auto manager = orv::worldManagerFromJson(registry.types, twoWorlds());

    const Log expected{// The manager's systems, before any container exists.
                       "TracedGlobalSystem.pre", "TracedGlobalSystem.init",
                       // The first world: its systems in saved order, then its entities, then one batch.
                       "TracedWorldSystem2.pre", "TracedWorldSystem1.pre", "TracedWorldSystem2.init",
                       "TracedWorldSystem1.init", "e1.pre", "e1.init", "e2.pre", "e2.init",
                       "TracedWorldSystem2.added e1 e2", "TracedWorldSystem1.added e1 e2",
                       // The container joins the manager full: its entities are not announced manager-wide.
                       "TracedGlobalSystem.containers", "e3.pre", "e3.init", "TracedGlobalSystem.containers"};
    EXPECT_EQ(registry.log, expected);
}

TEST(WorldReader, BuildsContainersWithTheirIdsFlagsAndPersistentEntities) {
    Registry registry;
    auto manager = orv::worldManagerFromJson(registry.types, twoWorlds());
    EXPECT_EQ(manager->getIdCounter(), 7u);
    EXPECT_TRUE(manager->isInitialized());

    auto containers = manager->getWorldContainers();
    ASSERT_EQ(containers.size(), 2u);
    EXPECT_EQ(containers[0]->getId(), 3u);
    EXPECT_EQ(containers[0]->getName(), "island");
    EXPECT_TRUE(containers[0]->isActive());
    EXPECT_EQ(containers[1]->getId(), 5u);
    EXPECT_EQ(containers[1]->getName(), "cave");
    EXPECT_FALSE(containers[1]->isActive());

    orv::World& island = *containers[0]->getWorld();
    // The persistence system is never saved and always comes last.
    const auto& systems = island.getUpdateList();
    ASSERT_EQ(systems.size(), 3u);
    EXPECT_EQ(systems[2], island.getSystem<orv::PersistenceSystem>());
    EXPECT_EQ(island.getSystem<TracedWorldSystem<1>>()->data, Json({{"seed", 1}}));

    const auto saved = island.getSystem<orv::PersistenceSystem>()->getPersistentEntities();
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[0]->getComponent<Traced>()->id, "e1");
    EXPECT_EQ(saved[1]->getComponent<serial_test::Stats>()->data, Json({{"hp", 3}}));
    EXPECT_TRUE(saved[1]->getInitStatus());
    EXPECT_TRUE(saved[1]->getComponent<orv::PersistenceComponent>()->isPersistent());
}

TEST(WorldReader, WritingWhatWasReadGivesTheSameDocument) {
    Registry registry;
    const Json document = twoWorlds();
    EXPECT_EQ(orv::worldManagerToJson(*orv::worldManagerFromJson(registry.types, document)), document);
}

TEST(WorldReader, AMissingContainerListIsAnEmptyManagerAsTheWriterLeavesIt) {
    Registry registry;
    orv::WorldManager empty(9);
    empty.initSystems();
    const Json written = orv::worldManagerToJson(empty);
    EXPECT_FALSE(written.contains("worldContainers"));
    auto manager = orv::worldManagerFromJson(registry.types, written);
    EXPECT_EQ(manager->getIdCounter(), 9u);
    EXPECT_TRUE(manager->getWorldContainers().empty());
}

TEST(WorldReader, TheIdCounterTakesWholeNumbersInItsRangeOnly) {
    Registry registry;
    for (const auto& [value, expected] : std::vector<std::pair<Json, unsigned>>{{7.0, 7u}, {12u, 12u}}) {
        const Json document{{"wm_id_counter", value}, {"systems_global", Json::array()}};
        EXPECT_EQ(orv::worldManagerFromJson(registry.types, document)->getIdCounter(), expected) << value;
    }
    for (const Json& value : {Json(true), Json(2.9), Json(-5), Json(1e12)}) {
        const Json document{{"wm_id_counter", value}, {"systems_global", Json::array()}};
        EXPECT_THROW(orv::worldManagerFromJson(registry.types, document), orv::JsonError) << value;
    }
}

// Every failure of a malformed document, with the path of the bad value and its exact text.
TEST(WorldReader, MalformedDocumentsFailWithThePathAndTheJsonLibraryOrRegistryMessage) {
    auto failure = [](Json document) {
        Registry registry;
        try {
            orv::worldManagerFromJson(registry.types, document);
        } catch (const std::exception& error) {
            return std::string(error.what());
        }
        return std::string("<nothing thrown>");
    };
    auto withContainer = [](const std::string& key, Json value) {
        Json document = twoWorlds();
        document["worldContainers"][1][key] = std::move(value);
        return document;
    };
    auto without = [](Json document, const std::string& key) {
        document.erase(key);
        return document;
    };

    Json counter = twoWorlds();
    counter["wm_id_counter"] = "7";
    EXPECT_EQ(failure(counter), "wm_id_counter: type must be number, but is string");
    EXPECT_EQ(failure(withContainer("_id", "5")),
              "worldContainers[1]._id: type must be number, but is string");
    EXPECT_EQ(
        failure(withContainer("_id", 1e12)),
        "worldContainers[1]._id: must be a whole number within [0, 4294967295], but is 1000000000000.0");
    EXPECT_EQ(failure(withContainer("_isActive", 1)),
              "worldContainers[1]: [json.exception.type_error.302] type must be boolean, but is number");
    EXPECT_EQ(failure(withContainer("_name", nullptr)),
              "worldContainers[1]: [json.exception.type_error.302] type must be string, but is null");
    EXPECT_EQ(
        failure(withContainer("systems_local", Json::array({{{"_SystemTypeId", 1}}}))),
        "worldContainers[1].systems_local[0]: [json.exception.type_error.302] type must be string, but is "
        "number");
    EXPECT_EQ(failure(withContainer("systems_local", Json::array({{{"_SystemTypeId", "Unknown"}}}))),
              "worldContainers[1].systems_local[0]: invalid unordered_map<K, T> key");
    EXPECT_EQ(failure(withContainer("entities", Json::array({{{"components", {{"wings", {}}}}}}))),
              "worldContainers[1].entities[0].components.wings: invalid unordered_map<K, T> key");
    EXPECT_EQ(failure(withContainer("systems_local", Json::object())),
              "worldContainers[1].systems_local: must be an array, but is object");

    // Records that must be objects.
    Json globals = twoWorlds();
    globals["systems_global"] = {"TracedGlobalSystem"};
    EXPECT_EQ(failure(globals), "systems_global[0]: must be an object, but is string");
    // What the writer puts for an entity that has no persistence component.
    EXPECT_EQ(failure(withContainer("entities", Json::array({nullptr}))),
              "worldContainers[1].entities[0]: must be an object, but is null");
    EXPECT_EQ(failure(withContainer("entities", Json::array({{{"components", {1, 2}}}}))),
              "worldContainers[1].entities[0].components: must be an object, but is array");

    // Two systems of one type.
    EXPECT_EQ(
        failure(withContainer("systems_local", Json::array({{{"_SystemTypeId", "TracedWorldSystem1"}},
                                                            {{"_SystemTypeId", "TracedWorldSystem1"}}}))),
        "worldContainers[1].systems_local[1]: Cannot register the same System more than once. SystemName: "
        "serial_test::TracedWorldSystem<1>");
    globals["systems_global"] =
        Json::array({{{"_SystemTypeId", "TracedGlobalSystem"}}, {{"_SystemTypeId", "TracedGlobalSystem"}}});
    EXPECT_EQ(failure(globals),
              "systems_global[1]: Cannot register the same System more than once. SystemName: "
              "serial_test::TracedGlobalSystem");

    // Missing members other than the container list.
    EXPECT_EQ(failure(without(twoWorlds(), "systems_global")), "systems_global: is missing");
    EXPECT_EQ(failure(without(twoWorlds(), "wm_id_counter")), "wm_id_counter: is missing");
    Json container = twoWorlds();
    container["worldContainers"][0].erase("entities");
    EXPECT_EQ(failure(container), "worldContainers[0].entities: is missing");
    EXPECT_EQ(failure(withContainer("entities", Json::array({Json::object()}))),
              "worldContainers[1].entities[0].components: is missing");
}

} // namespace
