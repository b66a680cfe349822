#include "app/ingame/IngameBaseGameState.hpp"
#include "app/menu/MainMenuGameState.hpp"
#include "app/player/ActivePlayerGameState.hpp"
#include "app/savegame/LoadedSavegameGameState.hpp"
#include "app/support/RootHarness.hpp"
#include "engine/ecs/World.hpp"
#include "engine/ecs/WorldContainer.hpp"
#include "engine/transform/TransformationComponent.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using Json = nlohmann::json;
using LoadedGame = tarsk::LoadedSavegameGameState<tarsk::IngameBaseGameState<1>>;

// The shipped content and game file; the game file patched by hand, then "New Game".
struct EditedGame {
    EditedGame() : harness({}, apptest::RunFolder::Content::Shipped) { harness.start(); }
    tarsk::MainMenuGameState& menu() {
        return dynamic_cast<tarsk::MainMenuGameState&>(*harness.root->getSubStates().front());
    }
    std::string newGame(const Json& patch) {
        const auto shipped = Json::parse(harness.folder.files().read("test_entities_save.json"));
        harness.folder.writeGameFile(shipped.patch(patch).dump());
        testing::internal::CaptureStdout();
        menu().startNewGame();
        return testing::internal::GetCapturedStdout();
    }
    LoadedGame& game() { return dynamic_cast<LoadedGame&>(*menu().getSubStates().front()); }
    apptest::RootHarness harness;
};

// The island's first entity holding the component: its records' JSON pointer and their path as
// errors name it.
std::pair<std::string, std::string> islandEntityWith(const std::string& component) {
    const Json game = Json::parse(std::ifstream(ORV_SOURCE_DIR "/app/content/test_entities_save.json"));
    const Json& entities = game["global"]["worldContainers"][0]["entities"];
    for (std::size_t i = 0; i < entities.size(); ++i) {
        if (entities[i]["components"].contains(component))
            return {"/global/worldContainers/0/entities/" + std::to_string(i) + "/components/",
                    "global.worldContainers[0].entities[" + std::to_string(i) + "].components."};
    }
    throw std::logic_error("no " + component + " on the island");
}

Json add(const std::string& path, const Json& value) {
    return {{"op", "add"}, {"path", path}, {"value", value}};
}

const Json voidWorld = Json::parse(R"({"_id": 2, "_isActive": false, "_name": "Void", "entities": [],
                                       "systems_local": []})");

TEST(GameFileChecks, ABadReferenceOrValueKeepsThePlayerAtTheMenuNamingThePlace) {
    const auto [speaker, speakerPath] = islandEntityWith("DialogueSenderComponent");
    const auto [portal, portalPath] = islandEntityWith("portal");
    const Json spawner = Json::parse(R"({"entityIdToSpawn": "item_base", "timeBetweenSpawnEvents": 1000,
        "spawnProbability": 1.0, "spawnCount": 1, "spawnRadius": 1.0, "maxConcurrentlySpawnedEntities": 1})");
    const std::vector<std::pair<Json, std::string>> cases = {
        {Json::array({add(speaker + "DialogueSenderComponent/DialogueFactoryId", "NOBODY")}),
         speakerPath + "DialogueSenderComponent.DialogueFactoryId: no dialogue \"NOBODY\""},
        // Of an entity with a blueprint the blueprint's spawner counts: the speaker has none.
        {Json::array({add(speaker + "spawner", spawner)}),
         speakerPath + "spawner.entityIdToSpawn: \"item_base\" is a blueprint of no entity"},
        {Json::array({add("/global/worldContainers/-", voidWorld), add(portal + "portal/target_world", 2)}),
         portalPath + "portal.target_world: the world 2 (\"Void\") lacks what a player needs: RenderSystem, "
                      "PhysicsSystem, TimeSystem"},
        {Json::array({add(portal + "portal/target_world", 5)}),
         portalPath + "portal.target_world: the game has no world 5"},
        {Json::array({add("/global/worldContainers/-", voidWorld), add("/PlayerWorldContainer", 2)}),
         "PlayerWorldContainer: the world 2 (\"Void\") lacks what a player needs: RenderSystem"},
        {Json::array({add("/PlayerData/components/physics/fixtureDef.density", 1e-40)}),
         "PlayerData.components.physics: physics: the body's mass "},
        {Json::array({add("/Missions_Data/Mission_Demo_Kill_Some_Frogs/_state", 99)}),
         "Missions_Data.Mission_Demo_Kill_Some_Frogs._state: no mission state 99"},
        // Waiting for an ending the mission does not have.
        {Json::array({add("/Missions_Data/Mission_Demo_Kill_Some_Frogs/_state", 4)}),
         "Missions_Data.Mission_Demo_Kill_Some_Frogs._state: this mission has no ending from state 4"},
        {Json::array({add("/Missions_Data/Mission_Demo_Collect_Some_Wood/_state", 5)}),
         "Missions_Data.Mission_Demo_Collect_Some_Wood._state: this mission has no ending from state 5"},
        {Json::array(
             {Json{{"op", "remove"}, {"path", "/Missions_Data/Mission_Demo_Kill_Some_Frogs/_state"}}}),
         "Missions_Data.Mission_Demo_Kill_Some_Frogs._state: json does not contain required value"},
    };
    for (const auto& [patch, where] : cases) {
        EditedGame edited;
        const std::string said = edited.newGame(patch);
        EXPECT_NE(said.find("New Game failed: ./test_entities_save.json: " + where), std::string::npos)
            << said;
        EXPECT_TRUE(edited.menu().getSubStates().empty());
        EXPECT_FALSE(edited.harness.root->getActiveCamera().has());
    }
}

TEST(GameFileChecks, InPlayAPortalIntoAWorldWithoutSystemsIsRefusedAndTheGameGoesOn) {
    EditedGame edited;
    ASSERT_EQ(edited.newGame(Json::array()), "");
    auto& ingame = dynamic_cast<tarsk::IngameBaseGameState<1>&>(*edited.game().getSubStates().front());
    orv::Entity& player = *ingame.getPlayerState()->getPlayer();
    // A world without systems joins, and a portal into it opens at the player's feet.
    edited.game().getSavegame().worldManager->addExistingWorldContainer(
        orv::WorldContainer(2, std::make_unique<orv::World>(), false, "Void"));
    const auto at = player.getComponent<orv::TransformationComponent>()->getPositionXY();
    auto door = edited.harness.root->getSerializationManager().entityFromJson(
        {{"components",
          {{"blueprint", {{"type", "purple_portal"}}},
           {"portal", {{"hasTarget", true}, {"target_world", 2}, {"target_id", 1}}},
           {"transform", {{"position", {at.x, at.y, 0.0}}}}}}});
    door->init();
    orv::World* island = player.getWorld();
    island->addEntity(std::move(door));
    testing::internal::CaptureStdout();
    for (int i = 0; i < 5; ++i)
        edited.harness.frame();
    EXPECT_NE(
        testing::internal::GetCapturedStdout().find("the portal is closed: the world 2 (\"Void\") lacks"),
        std::string::npos);
    EXPECT_EQ(player.getWorld(), island);
    EXPECT_FALSE(edited.harness.root->isClosed());
}

} // namespace
