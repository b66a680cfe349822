#include "app/savegame/LoadedSavegameLoaderFromFolder.hpp"
#include "app/savegame/LoadedSavegameSaverToFolder.hpp"
#include "engine/common/JsonError.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/serialization/BindTypeIndex.hpp"
#include "engine/serialization/SerializationManager.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/time/TimeSystem.hpp"
#include "support/TempFolder.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <iterator>
#include <string>
#include <sys/resource.h>

namespace {

using nlohmann::json;

const char* const gameText = R"({
    "PlayerWorldContainer": 0,
    "modNotes": {"author": "someone", "list": [1, 2, 3]},
    "global": {
        "wm_id_counter": 2,
        "systems_global": [],
        "worldContainers": [
            {"_id": 0, "_isActive": true, "_name": "Island",
             "systems_local": [{"_SystemTypeId": "TimeSystem", "time.hours": 6, "time.minutes": 30, "time.seconds": 5},
                               {"_SystemTypeId": "PhysicsSystem"}],
             "entities": [{"components": {"transform": {"position": [3.0, 4.0, 0.0], "rotation": 0.0, "scale": [1.0, 1.0]}}}]},
            {"_id": 1, "_isActive": false, "_name": "Dungeon",
             "systems_local": [{"_SystemTypeId": "PhysicsSystem"}],
             "entities": []}
        ]
    }
})";

// Caps the size of files this process writes while it lives; a write past it fails (EFBIG)
// instead of raising SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
    }

private:
    rlimit saved{};
    void (*previousHandler)(int) = nullptr;
};

struct SaveGame : testing::Test {
    SaveGame()
        : types(resources,
                {{orv::TransformationComponent::Name,
                  orv::bindTypeIndex<orv::TransformationComponent>(&orv::TransformationComponent::fromJson)}},
                {{"TimeSystem", orv::bindTypeIndex<tarsk::TimeSystem>(&tarsk::TimeSystem::fromJson)},
                 {orv::PhysicsSystem::TypeName,
                  orv::bindTypeIndex<orv::PhysicsSystem>(&orv::PhysicsSystem::create)}},
                {}) {}

    tarsk::LoadedSavegame load() { return tarsk::LoadedSavegameLoaderFromFolder(types, file()).load(); }
    // What the save printed is kept however it ends, so that no capture is left open.
    void save(tarsk::LoadedSavegame& game) {
        testing::internal::CaptureStdout();
        try {
            tarsk::LoadedSavegameSaverToFolder(types, file()).save(game);
        } catch (...) {
            said = testing::internal::GetCapturedStdout();
            throw;
        }
        said = testing::internal::GetCapturedStdout();
    }
    // The error of a load that must fail, which names the game file.
    std::string loadError() {
        try {
            load();
        } catch (const orv::JsonError& error) {
            EXPECT_EQ(error.getFile(), file().string());
            return error.getPath() + ": " + error.getMessage();
        }
        return "(loaded)";
    }
    std::filesystem::path file() const { return folder / "test_entities_save.json"; }
    json written() const { return json::parse(folder.read("test_entities_save.json")); }

    testsupport::TempFolder folder;
    orv::ResourceManager resources;
    orv::SerializationManager types;
    std::string said;
};

TEST_F(SaveGame, LoadSaveLoadGivesTheSameGame) {
    folder.write("test_entities_save.json", gameText);
    tarsk::LoadedSavegame first = load();
    save(first);
    const json once = written();
    tarsk::LoadedSavegame second = load();
    save(second);
    EXPECT_EQ(written(), once);
    // The writer's form of the world manager is what was read, plus the persistence the reader
    // gives every loaded entity (saved again, so nothing is lost).
    EXPECT_EQ(once["global"]["worldContainers"][0]["entities"],
              json::parse(gameText)["global"]["worldContainers"][0]["entities"]);
    EXPECT_EQ(once["global"]["worldContainers"][0]["systems_local"],
              json::parse(gameText)["global"]["worldContainers"][0]["systems_local"]);
    EXPECT_EQ(said, "you save ma dood\n");
}

TEST_F(SaveGame, SavedFileIsIndentedByFourAndEndsWithALineEnd) {
    folder.write("test_entities_save.json", R"({"global": {"wm_id_counter": 7, "systems_global": []}})");
    tarsk::LoadedSavegame game = load();
    save(game);
    EXPECT_EQ(
        folder.read("test_entities_save.json"),
        "{\n    \"global\": {\n        \"systems_global\": [],\n        \"wm_id_counter\": 7\n    }\n}\n");
}

TEST_F(SaveGame, StatesWriteTheirPartsBeforeTheFileAndForeignKeysStay) {
    folder.write("test_entities_save.json", gameText);
    tarsk::LoadedSavegame game = load();
    tarsk::TimeSystem& time =
        *game.worldManager->getWorldContainers()[0]->getWorld()->getSystem<tarsk::TimeSystem>();
    time.setDayTime(tarsk::DayTime(1, 2, 3));
    game.beforeSave.connect([&] {
        game.data["PlayerWorldContainer"] = 1;
        game.data["Missions_Data"] = {{"FIRST", {{"_state", 2}}}};
        // Too late to change the worlds of this save.
        time.setDayTime(tarsk::DayTime(4, 5, 6));
    });
    save(game);
    const json out = written();
    EXPECT_EQ(out["PlayerWorldContainer"], 1);
    EXPECT_EQ(out["Missions_Data"]["FIRST"]["_state"], 2);
    EXPECT_EQ(out["modNotes"], json::parse(gameText)["modNotes"]);
    EXPECT_EQ(out["global"]["worldContainers"][0]["systems_local"][0]["time.hours"], 1);
    // The document in memory holds the states' parts; its worlds stay those that were read.
    EXPECT_EQ(game.data["Missions_Data"], out["Missions_Data"]);
    EXPECT_EQ(game.data["global"], json::parse(gameText)["global"]);
}

TEST_F(SaveGame, FailedWriteLeavesTheOriginalIntactAndNamesThePath) {
    folder.write("test_entities_save.json", gameText);
    tarsk::LoadedSavegame game = load();
    {
        // Files may not grow past a few bytes, as on a full disk: the new file is never complete.
        const FileSizeLimit limit(16);
        try {
            save(game);
            FAIL() << "saving should have failed";
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find(file().string()), std::string::npos) << error.what();
        }
    }
    EXPECT_EQ(folder.read("test_entities_save.json"), gameText);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
    EXPECT_EQ(said.find("you save ma dood"), std::string::npos);
}

TEST_F(SaveGame, ADocumentThatCannotBeWrittenTouchesNothing) {
    folder.write("test_entities_save.json", gameText);
    tarsk::LoadedSavegame game = load();
    game.data["PlayerName"] = std::string("\xff\xfe broken");
    EXPECT_THROW(save(game), json::type_error);
    EXPECT_EQ(folder.read("test_entities_save.json"), gameText);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST_F(SaveGame, MissingFileIsAnErrorNamingIt) {
    try {
        load();
        FAIL() << "loading should have failed";
    } catch (const std::exception& error) {
        EXPECT_NE(std::string(error.what()).find("test_entities_save.json"), std::string::npos);
    }
}

TEST_F(SaveGame, BadDocumentsFailNamingTheFileAndWhereInItWithTheErrorsMet) {
    folder.write("test_entities_save.json", "{\"global\": ");
    EXPECT_NE(loadError().find("[json.exception.parse_error"), std::string::npos);

    folder.write("test_entities_save.json", "[1, 2]");
    EXPECT_EQ(loadError(),
              ": [json.exception.type_error.305] cannot use operator[] with a string argument with array");

    folder.write("test_entities_save.json", R"({"global": {"wm_id_counter": 1, "systems_global": [],
        "worldContainers": [{"_id": 0, "_isActive": true, "_name": "w", "entities": [],
                             "systems_local": [{"_SystemTypeId": "NoSuchSystem"}]}]}})");
    EXPECT_EQ(loadError(), "global.worldContainers[0].systems_local[0]: invalid unordered_map<K, T> key");

    // A null document has a null world manager part, which is no object.
    folder.write("test_entities_save.json", "null");
    EXPECT_EQ(loadError(), "global: must be an object, but is null");
}

TEST_F(SaveGame, NumbersOutOfRangeAndDeepNestingAreRefused) {
    json game = json::parse(gameText);
    game["global"]["worldContainers"][1]["_id"] = 1e12;
    folder.write("test_entities_save.json", game.dump());
    EXPECT_EQ(loadError(), "global.worldContainers[1]._id: must be a whole number within [0, 4294967295], "
                           "but is 1000000000000.0");

    game = json::parse(gameText);
    game["global"]["wm_id_counter"] = -5;
    folder.write("test_entities_save.json", game.dump());
    EXPECT_EQ(loadError(), "global.wm_id_counter: must be a whole number within [0, 4294967295], but is -5");

    // A foreign key nested thousands deep would be carried into every save.
    std::string text = gameText;
    text.insert(text.find('{') + 1, "\"deep\": " + std::string(2000, '[') + std::string(2000, ']') + ",");
    folder.write("test_entities_save.json", text);
    EXPECT_EQ(loadError(), ": the document is nested deeper than 256 levels");
}

} // namespace
