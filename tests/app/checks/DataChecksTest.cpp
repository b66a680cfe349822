#include "app/root/GameContent.hpp"
#include "support/TempFolder.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

using nlohmann::json;

// A copy of the shipped data folder as the working folder, edited by hand as an author would
// (JSON patches), then read as the game reads it at start-up.
struct DataCopy {
    DataCopy()
        : working((std::filesystem::copy(std::filesystem::path(ORV_SOURCE_DIR) / "data", folder / "data",
                                         std::filesystem::copy_options::recursive),
                   folder.path())) {}
    void edit(const std::string& file, const json& patch) {
        folder.write("data/" + file, json::parse(folder.read("data/" + file)).patch(patch).dump());
    }
    std::string loadError() {
        try {
            tarsk::GameContent(false, 1).load();
        } catch (const std::exception& error) {
            return error.what();
        }
        return "";
    }
    testsupport::TempFolder folder;
    testsupport::WorkingFolder working;
};

json set(const std::string& path, const json& value) {
    return json::array({{{"op", "add"}, {"path", path}, {"value", value}}});
}

TEST(DataChecks, TheShippedDataAndSensibleChangesToItLoad) {
    DataCopy data;
    EXPECT_EQ(data.loadError(), "");
    data.edit("blueprint/frog_tree.json", set("/spawner/entityIdToSpawn", "frog_boss"));
    data.edit("blueprint/frog_tree.json", set("/spawner/spawnRadius", -12.5));
    data.edit("blueprint/frog_tree.json", set("/spawner/spawnCount", -1));
    data.edit("blueprint/hunting_frog.json", set("/fighter/entitesToSpawnOnDeath", {"basic_tree"}));
    data.edit("blueprint/hunting_frog_boss.json", set("/ai/behavior", "frog_timid"));
    // A spawner with no room for anything spawns nothing, so its cycle and its target are no fault.
    data.edit(
        "blueprint/hunting_frog.json",
        set("/spawner", json::parse(R"({"entityIdToSpawn": "hunting_frog", "timeBetweenSpawnEvents": 1000,
        "spawnProbability": 0.0, "spawnCount": 0, "spawnRadius": 1.0, "maxConcurrentlySpawnedEntities": 0})")));
    // An editor's lock link beside the file it has open.
    std::filesystem::create_symlink("someone@host.4242:1700000000", data.folder / "data/ai/.#frog.xml");
    testing::internal::CaptureStdout();
    EXPECT_EQ(data.loadError(), "");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "content: skipping ./data/ai/.#frog.xml: it is a link to nothing\n");
}

TEST(DataChecks, ABadReferenceOrValueStopsTheStartNamingTheFileThePathAndTheFault) {
    struct Fault {
        std::string file;
        json patch;
        std::string said;
    };
    const json spawnsTree = json::parse(R"({"entityIdToSpawn": "frog_tree", "timeBetweenSpawnEvents": 1000,
        "spawnProbability": 1.0, "spawnCount": 1, "spawnRadius": 1.0, "maxConcurrentlySpawnedEntities": 1})");
    const std::string spawned = "frog_tree.json: spawner.entityIdToSpawn: ";
    const std::vector<Fault> faults = {
        {"blueprint/frog_tree.json", set("/spawner/entityIdToSpawn", "nothing"),
         spawned + "\"nothing\" names no entity blueprint or factory"},
        {"blueprint/frog_tree.json", set("/spawner/entityIdToSpawn", "item_base"),
         spawned + "\"item_base\" is a blueprint of no entity"},
        {"blueprint/hunting_frog.json", set("/terrain", {{"size.x", 1}, {"size.y", 1}, {"tiles", {"GRASS"}}}),
         spawned + "\"hunting_frog\" carries terrain"},
        {"blueprint/frog_tree.json", set("/spawner/entityIdToSpawn", "frog_tree"),
         spawned + "\"frog_tree\" spawns itself: frog_tree -> frog_tree"},
        {"blueprint/hunting_frog.json", set("/spawner", spawnsTree),
         spawned + "\"hunting_frog\" spawns itself: frog_tree -> hunting_frog -> frog_tree"},
        {"blueprint/frog_tree.json", set("/spawner/spawnRadius", 1e30),
         "frog_tree.json: spawner.spawnRadius: physics: the spawn radius lies beyond 1e6 world units"},
        {"blueprint/frog_tree.json", set("/spawner/maxConcurrentlySpawnedEntities", 2000000000),
         "frog_tree.json: spawner.maxConcurrentlySpawnedEntities: must be at most 1000, but is 2000000000"},
        {"blueprint/frog_tree.json", json::parse(R"([{"op": "remove", "path": "/spawner/spawnCount"}])"),
         "frog_tree.json: spawner.spawnCount: json does not contain required value"},
        {"items/food.json", set("/1/properties/NutritionalValue", "5"),
         "food.json: [1].properties.NutritionalValue: type must be number, but is string"},
        // Skipped, the tree is missed where it is used.
        {"ai/frog.xml", "pipe", "hunting_frog.json: ai.behavior: no behaviour tree \"frog\" in ./data/ai"},
        {"blueprint/hunting_frog.json", set("/ai/behavior", "nowhere"),
         "hunting_frog.json: ai.behavior: no behaviour tree \"nowhere\" in ./data/ai"},
        {"blueprint/hunting_frog.json", set("/fighter/entitesToSpawnOnDeath", {"nothing"}),
         "hunting_frog.json: fighter.entitesToSpawnOnDeath[0]: \"nothing\" names no entity blueprint or "
         "factory"},
        {"blueprint/hunting_frog.json", set("/physics/fixtureDef.density", 1e-40),
         "hunting_frog.json: physics: physics: the body's mass "},
        {"items/food.json", json::parse(R"([{"op": "remove", "path": "/2"}])"),
         "./data/items/: no item \"FISH_COOKED\", which cooking a fish makes"},
        {"ai/frog.xml", nullptr,
         "hunting_frog.json: ai.behavior: ./data/ai/frog.xml: port \"maxDist\" of node \"FindTarget\" at "
         "line 2: cannot convert \"five\" to float"},
    };
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.file + " " + fault.patch.dump());
        DataCopy data;
        if (fault.patch == "pipe") {
            std::filesystem::remove(data.folder / ("data/" + fault.file));
            ASSERT_EQ(::mkfifo((data.folder / ("data/" + fault.file)).c_str(), 0600), 0);
        } else if (fault.patch.is_null())
            data.folder.write("data/" + fault.file,
                              R"(<root main_tree_to_execute="Frog"><BehaviorTree ID="Frog">
                <FindTarget requireFactions="PLAYER" maxDist="five" target="{prey}"/></BehaviorTree></root>)");
        else
            data.edit(fault.file, fault.patch);
        const std::string said = data.loadError();
        EXPECT_NE(said.find(fault.said), std::string::npos) << said;
    }
}

} // namespace
