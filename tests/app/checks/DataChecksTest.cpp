#include "app/root/GameContent.hpp"
#include "app/support/TempFolder.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace {

using nlohmann::json;

// A copy of the shipped data folder made the working folder, edited by hand as an author would,
// then read as the game reads it at start-up.
struct DataCopy {
    DataCopy()
        : working((std::filesystem::copy(std::filesystem::path(ORV_SOURCE_DIR) / "data", folder / "data",
                                         std::filesystem::copy_options::recursive),
                   folder.path())) {}

    // Sets the value at a JSON pointer in one of the data files; null erases it.
    void edit(const std::string& file, const std::string& pointer, const json& value) {
        json document = json::parse(folder.read("data/" + file));
        const json::json_pointer at(pointer);
        if (value.is_null())
            document[at.parent_pointer()].erase(document[at.parent_pointer()].is_array()
                                                    ? document[at.parent_pointer()].begin() +
                                                          std::stoi(at.back())
                                                    : document[at.parent_pointer()].find(at.back()));
        else
            document[at] = value;
        folder.write("data/" + file, document.dump());
    }

    std::string loadError() {
        try {
            tarsk::GameContent(false, 1).load();
        } catch (const std::exception& error) {
            return error.what();
        }
        return "";
    }

    apptest::TempFolder folder;
    apptest::WorkingFolder working;
};

TEST(DataChecks, TheShippedDataAndSensibleChangesToItLoad) {
    DataCopy data;
    EXPECT_EQ(data.loadError(), "");
    data.edit("blueprint/frog_tree.json", "/spawner/entityIdToSpawn", "frog_boss");
    data.edit("blueprint/frog_tree.json", "/spawner/spawnRadius", 12.5);
    data.edit("blueprint/hunting_frog.json", "/fighter/entitesToSpawnOnDeath", {"basic_tree"});
    data.edit("blueprint/hunting_frog_boss.json", "/ai/behavior", "frog_timid");
    EXPECT_EQ(data.loadError(), "");
}

struct Fault {
    std::string file, pointer;
    json value;
    std::string said;
};

TEST(DataChecks, ABadReferenceOrValueStopsTheStartNamingTheFileThePathAndTheFault) {
    const json terrain = {{"size.x", 1}, {"size.y", 1}, {"tiles", {"GRASS"}}};
    const std::vector<Fault> faults = {
        {"blueprint/frog_tree.json", "/spawner/entityIdToSpawn", "nothing",
         "frog_tree.json: spawner.entityIdToSpawn: \"nothing\" names no entity blueprint or factory"},
        {"blueprint/frog_tree.json", "/spawner/entityIdToSpawn", "item_base",
         "frog_tree.json: spawner.entityIdToSpawn: \"item_base\" is a blueprint of no entity"},
        {"blueprint/hunting_frog.json", "/terrain", terrain,
         "frog_tree.json: spawner.entityIdToSpawn: \"hunting_frog\" carries terrain"},
        {"blueprint/frog_tree.json", "/spawner/entityIdToSpawn", "frog_tree",
         "frog_tree.json: spawner.entityIdToSpawn: \"frog_tree\" spawns itself: frog_tree -> frog_tree"},
        {"blueprint/hunting_frog.json", "/spawner", json::parse(R"({"entityIdToSpawn": "frog_tree",
            "timeBetweenSpawnEvents": 1000, "spawnProbability": 1.0, "spawnCount": 1, "spawnRadius": 1.0,
            "maxConcurrentlySpawnedEntities": 1})"),
         "spawns itself: frog_tree -> hunting_frog -> frog_tree"},
        {"blueprint/frog_tree.json", "/spawner/spawnRadius", 1e30,
         "frog_tree.json: spawner.spawnRadius: must lie within 0 to 1000, but is 1e+30"},
        {"blueprint/hunting_frog.json", "/ai/behavior", "nowhere",
         "hunting_frog.json: ai.behavior: no behaviour tree \"nowhere\" in ./data/ai"},
        {"blueprint/hunting_frog.json",
         "/fighter/entitesToSpawnOnDeath",
         {"nothing"},
         "hunting_frog.json: fighter.entitesToSpawnOnDeath[0]: \"nothing\" names no entity blueprint or "
         "factory"},
        {"blueprint/hunting_frog.json", "/physics/fixtureDef.density", 1e-40,
         "hunting_frog.json: physics: physics: the body's mass"},
        {"ai/frog.xml", "", nullptr, "frog.xml: "},
        {"items/food.json", "/2", nullptr,
         "./data/items/: no item \"FISH_COOKED\", which cooking a fish makes"},
    };
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.file + fault.pointer);
        DataCopy data;
        if (fault.pointer.empty())
            data.folder.write("data/" + fault.file, "<root main_tree_to_execute=\"Frog\"><BehaviorTree "
                                                    "ID=\"Frog\"><Nonsense/></BehaviorTree></root>");
        else
            data.edit(fault.file, fault.pointer, fault.value);
        EXPECT_NE(data.loadError().find(fault.said), std::string::npos) << data.loadError();
    }
}

} // namespace
