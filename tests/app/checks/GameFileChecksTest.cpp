#include "app/ingame/IngameBaseGameState.hpp"
#include "app/menu/MainMenuGameState.hpp"
#include "app/player/ActivePlayerGameState.hpp"
#include "app/savegame/LoadedSavegameGameState.hpp"
#include "app/support/RootHarness.hpp"
#include "engine/ecs/World.hpp"
#include "engine/ecs/WorldContainer.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/dialogue/DialogueReceiverComponent.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <functional>
#include <string>
#include <vector>

namespace {

using Json = nlohmann::json;
using LoadedGame = tarsk::LoadedSavegameGameState<tarsk::IngameBaseGameState<1>>;

const Json voidWorld = {{"_id", 2},
                        {"_isActive", false},
                        {"_name", "Void"},
                        {"entities", Json::array()},
                        {"systems_local", Json::array()}};

// The shipped content and game file, the game file edited by hand before "New Game".
struct EditedGame {
    EditedGame() : harness({}, apptest::RunFolder::Content::Shipped) {
        game = Json::parse(harness.folder.files().read("test_entities_save.json"));
        harness.start();
    }
    tarsk::MainMenuGameState& menu() {
        return dynamic_cast<tarsk::MainMenuGameState&>(*harness.root->getSubStates().front());
    }
    // The index of the island's first entity whose components pass the test.
    std::size_t islandEntity(const std::function<bool(const Json&)>& test) {
        const Json& entities = game["global"]["worldContainers"][0]["entities"];
        for (std::size_t i = 0; i < entities.size(); ++i) {
            if (test(entities[i]["components"]))
                return i;
        }
        throw std::logic_error("no such entity on the island");
    }
    Json& islandComponents(std::size_t index) {
        return game["global"]["worldContainers"][0]["entities"][index]["components"];
    }
    std::string newGame() {
        harness.folder.writeGameFile(game.dump());
        testing::internal::CaptureStdout();
        menu().startNewGame();
        return testing::internal::GetCapturedStdout();
    }
    tarsk::ActivePlayerGameState& playerState() {
        auto& loaded = dynamic_cast<LoadedGame&>(*menu().getSubStates().front());
        return *dynamic_cast<tarsk::IngameBaseGameState<1>&>(*loaded.getSubStates().front()).getPlayerState();
    }

    apptest::RootHarness harness;
    Json game;
};

TEST(GameFileChecks, ABadReferenceOrValueKeepsThePlayerAtTheMenuNamingThePlace) {
    using Edit = std::function<std::string(EditedGame&)>;
    const auto speaks = [](const Json& c) {
        return c.contains("DialogueSenderComponent");
    };
    const auto portal = [](const Json& c) {
        return c.contains("portal");
    };
    const auto at = [](std::size_t index) {
        return "global.worldContainers[0].entities[" + std::to_string(index) + "].components.";
    };
    const std::vector<Edit> edits = {
        [&](EditedGame& g) {
            const std::size_t i = g.islandEntity(speaks);
            g.islandComponents(i)["DialogueSenderComponent"]["DialogueFactoryId"] = "NOBODY";
            return at(i) + "DialogueSenderComponent.DialogueFactoryId: no dialogue \"NOBODY\"";
        },
        [&](EditedGame& g) {
            // Of an entity with a blueprint the blueprint's spawner counts: this one has none.
            const std::size_t i = g.islandEntity(speaks);
            g.islandComponents(i)["spawner"] = {{"entityIdToSpawn", "item_base"},
                                                {"timeBetweenSpawnEvents", 1000},
                                                {"spawnProbability", 1.0},
                                                {"spawnCount", 1},
                                                {"spawnRadius", 1.0},
                                                {"maxConcurrentlySpawnedEntities", 1}};
            return at(i) + "spawner.entityIdToSpawn: \"item_base\" is a blueprint of no entity";
        },
        [&](EditedGame& g) {
            g.game["global"]["worldContainers"].push_back(voidWorld);
            const std::size_t i = g.islandEntity(portal);
            g.islandComponents(i)["portal"]["target_world"] = 2;
            return at(i) + "portal.target_world: the world 2 (\"Void\") lacks what a player needs: ";
        },
        [&](EditedGame& g) {
            const std::size_t i = g.islandEntity(portal);
            g.islandComponents(i)["portal"]["target_world"] = 5;
            return at(i) + "portal.target_world: the game has no world 5";
        },
        [&](EditedGame& g) {
            g.game["global"]["worldContainers"].push_back(voidWorld);
            g.game["PlayerWorldContainer"] = 2;
            return std::string("PlayerWorldContainer: the world 2 (\"Void\") lacks what a player needs: ");
        },
        [&](EditedGame& g) {
            g.game["PlayerData"]["components"]["physics"]["fixtureDef.density"] = 1e-40;
            return std::string("PlayerData.components.physics: physics: the body's mass");
        },
        [&](EditedGame& g) {
            g.game["Missions_Data"]["Mission_Demo_Kill_Some_Frogs"]["_state"] = 99;
            return std::string("Missions_Data.Mission_Demo_Kill_Some_Frogs._state: no mission state 99");
        },
    };
    for (const Edit& edit : edits) {
        EditedGame game;
        const std::string expected = "New Game failed: ./test_entities_save.json: " + edit(game);
        const std::string said = game.newGame();
        EXPECT_NE(said.find(expected), std::string::npos) << said << "\nexpected: " << expected;
        EXPECT_TRUE(game.menu().getSubStates().empty());
        EXPECT_FALSE(game.harness.root->getActiveCamera().has());
    }
}

TEST(GameFileChecks, InPlayAnUnknownDialogueOrAPortalIntoAWorldWithoutSystemsIsRefusedAndTheGameGoesOn) {
    EditedGame game;
    ASSERT_EQ(game.newGame(), "");
    tarsk::ActivePlayerGameState& state = game.playerState();
    orv::Entity& player = *state.getPlayer();

    testing::internal::CaptureStdout();
    player.getComponent<tarsk::DialogueReceiverComponent>()->requestDialogue("NOBODY");
    game.harness.frame();
    EXPECT_NE(testing::internal::GetCapturedStdout().find("no dialogue \"NOBODY\""), std::string::npos);
    EXPECT_EQ(state.getDialogue(), nullptr);

    // A world without systems joins at run time, and a portal into it opens at the player's feet.
    auto& worlds = *dynamic_cast<LoadedGame&>(*game.menu().getSubStates().front()).getSavegame().worldManager;
    worlds.addExistingWorldContainer(orv::WorldContainer(2, std::make_unique<orv::World>(), false, "Void"));
    const auto where = player.getComponent<orv::TransformationComponent>()->getPositionXY();
    Json door = {{"components",
                  {{"blueprint", {{"type", "purple_portal"}}},
                   {"portal", {{"hasTarget", true}, {"target_world", 2}, {"target_id", 1}}},
                   {"transform", {{"position", {where.x, where.y, 0.0}}}}}}};
    auto portal = game.harness.root->getSerializationManager().entityFromJson(door);
    portal->init();
    orv::World* island = player.getWorld();
    island->addEntity(std::move(portal));
    testing::internal::CaptureStdout();
    for (int i = 0; i < 5; ++i)
        game.harness.frame();
    EXPECT_NE(testing::internal::GetCapturedStdout().find("the world 2 (\"Void\") lacks what a player needs"),
              std::string::npos);
    EXPECT_EQ(player.getWorld(), island);
    EXPECT_FALSE(game.harness.root->isClosed());
}

} // namespace
