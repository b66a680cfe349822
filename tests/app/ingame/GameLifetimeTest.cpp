#include "app/ingame/IngameBaseGameState.hpp"
#include "app/input/ScriptedInputDevice.hpp"
#include "app/menu/MainMenuGameState.hpp"
#include "app/player/ActivePlayerActionSelectionGameStateMouse.hpp"
#include "app/player/ActivePlayerGameState.hpp"
#include "app/savegame/LoadedSavegameGameState.hpp"
#include "app/screens/ActivePlayerGameStateUI.hpp"
#include "app/support/RootHarness.hpp"
#include "engine/ecs/World.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "engine/transform/UnitConversions.hpp"
#include "game/camera/CameraComponent.hpp"
#include "game/combat/FighterComponent.hpp"
#include "game/inventory/InventoryComponent.hpp"
#include "game/items/ItemManager.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <iostream>
#include <string>

namespace {

using Json = nlohmann::json;
using LoadedGame = tarsk::LoadedSavegameGameState<tarsk::IngameBaseGameState<1>>;
using Ingame = tarsk::IngameBaseGameState<1>;

// The shipped content and game file, played through the menu with a scripted mouse.
struct GameLifetime : testing::Test {
    GameLifetime() : harness({}, apptest::RunFolder::Content::Shipped) {
        device.windowSize = {1280, 720};
        harness.root->setInputDevice(std::make_unique<apptest::ScriptedInputDevice>(device));
        shipped = Json::parse(harness.folder.files().read("test_entities_save.json"));
        harness.start();
    }

    tarsk::BaseGameState& root() { return *harness.root; }
    tarsk::MainMenuGameState& menu() {
        return dynamic_cast<tarsk::MainMenuGameState&>(*root().getSubStates().front());
    }
    tarsk::ActivePlayerGameState* playerState() {
        auto& games = menu().getSubStates();
        if (games.empty())
            return nullptr;
        auto& ingame = dynamic_cast<Ingame&>(*games.front()->getSubStates().front());
        return ingame.getPlayerState();
    }
    orv::Entity& player() { return *playerState()->getPlayer(); }

    void writeGame(const Json& game) { harness.folder.writeGameFile(game.dump()); }
    // Clicks "New Game" and runs the frame; returns what the game printed meanwhile.
    std::string clickNewGame() {
        const auto& button = *menu().getNewGameButton();
        harness.pushClick(button.getAbsolutePosition() + button.getSize() / 2.f);
        testing::internal::CaptureStdout();
        harness.frame();
        return testing::internal::GetCapturedStdout();
    }
    // Where the active camera shows a world position.
    sf::Vector2i pixelOf(sf::Vector2f world) {
        const auto& view =
            root().getActiveCamera().getCamera()->getComponent<tarsk::CameraComponent>()->getView();
        return root().getWindow().mapCoordsToPixel(world * orv::PixelsPerUnit, view);
    }
    // Wood on the ground just below the player, with the mouse on it.
    const orv::Entity* woodBelowThePlayer() {
        const sf::Vector2f at =
            player().getComponent<orv::TransformationComponent>()->getPositionXY() + sf::Vector2f(0.f, 1.5f);
        auto wood = root().getItems().createItemEntity("WOOD");
        wood->getComponent<orv::TransformationComponent>()->setPositionXY(at);
        wood->init();
        const orv::Entity* added = player().getWorld()->addEntity(std::move(wood));
        device.mouse = pixelOf(at);
        return added;
    }
    const tarsk::ActionList& offered() {
        auto* hud = playerState()->getHud();
        return dynamic_cast<tarsk::ActivePlayerActionSelectionGameStateMouse&>(
                   *hud->getControlStates().back())
            .getActionList();
    }
    void pressLeft() {
        device.buttons.insert(sf::Mouse::Left);
        sf::Event event{};
        event.type = sf::Event::MouseButtonPressed;
        event.mouseButton = {sf::Mouse::Left, device.mouse.x, device.mouse.y};
        harness.events->push(event);
    }

    apptest::DeviceState device;
    apptest::RootHarness harness;
    Json shipped;
};

TEST_F(GameLifetime, ThePlayersDeathEndsTheProgramAfterItsFrameWithThePlayerStillThere) {
    writeGame(shipped);
    ASSERT_EQ(clickNewGame(), "");
    harness.frame();

    const orv::World* island = player().getWorld();
    const orv::Entity* dying = &player();
    player().getComponent<tarsk::FighterComponent>()->takeDamage(500.f);
    EXPECT_TRUE(root().getQuitRequested());
    // The last frame runs whole, health system and screens included; the player leaves its world
    // only when the program ends after it, once the camera is let go.
    bool stayed = false;
    smartsignals::ScopedConnections watching;
    root().getActiveCamera().getChangedSignal().connectTracked(watching,
                                                               [&] { stayed = island->contains(dying); });
    harness.frame();
    EXPECT_TRUE(root().isClosed());
    EXPECT_TRUE(stayed);
}

TEST_F(GameLifetime, APlayerMissingAPartIsRefusedBeforeTheGameStartsAndNewGameWorksAgain) {
    const std::vector<std::pair<std::string, std::string>> lacking = {{"sprite", "SpriteComponent"},
                                                                      {"orientation", "OrientationComponent"},
                                                                      {"levelSkill", "LevelSkillComponent"}};
    for (const auto& [key, type] : lacking) {
        Json game = shipped;
        game["PlayerData"]["components"].erase(key);
        writeGame(game);
        const std::string said = clickNewGame();
        EXPECT_NE(said.find("New Game failed: "), std::string::npos) << said;
        EXPECT_NE(said.find("test_entities_save.json: PlayerData: "), std::string::npos)
            << said;
        EXPECT_NE(said.find(type), std::string::npos) << said;
        EXPECT_FALSE(root().getActiveCamera().has()) << key;
        EXPECT_TRUE(menu().getSubStates().empty()) << key;
        EXPECT_TRUE(menu().getGroup()->isVisible()) << key;
        harness.frame();
    }
    // Missions are read once the player stands in its world: a failure there takes it out again.
    Json game = shipped;
    game["Missions_Data"] = {{"Mission_Demo_Collect_Some_Wood", "not a record"}};
    writeGame(game);
    EXPECT_NE(clickNewGame().find("New Game failed"), std::string::npos);
    EXPECT_FALSE(root().getActiveCamera().has());
    EXPECT_EQ(root().getScriptEnvironment().execute("assert(player == nil)").front(), "success");
    harness.frame();

    writeGame(shipped);
    EXPECT_EQ(clickNewGame(), "");
    ASSERT_NE(playerState(), nullptr);
    EXPECT_TRUE(root().getActiveCamera().has());
    harness.frame();
    harness.frame();
}

TEST_F(GameLifetime, ActionsUnderTheMouseGoWhenTheirTargetLeavesTheWorld) {
    ASSERT_EQ(clickNewGame(), "");
    harness.frame();
    const orv::Entity* taken = woodBelowThePlayer();
    harness.frame();
    ASSERT_EQ(offered().getActions().size(), 1u);

    // Taken by someone else, and another lies where it lay: the offer must not ask the old action.
    player().getWorld()->markForRemoval(taken);
    const orv::Entity* other = woodBelowThePlayer();
    harness.frame();
    ASSERT_EQ(offered().getActions().size(), 1u);
    EXPECT_EQ(offered().getActions().front()->getDescription(), "Pick up: Wood");
    pressLeft();
    harness.frame();
    EXPECT_EQ(player().getComponent<tarsk::InventoryComponent>()->getInventory().countItemsById("WOOD"), 1);
    EXPECT_FALSE(player().getWorld()->contains(other));
}

TEST_F(GameLifetime, ClosingTheWindowWithTheButtonHeldOverAnActionRunsNothing) {
    ASSERT_EQ(clickNewGame(), "");
    harness.frame();
    woodBelowThePlayer();
    harness.frame();
    ASSERT_EQ(offered().getActions().size(), 1u);

    pressLeft();
    harness.push(sf::Event::Closed);
    harness.frame();
    EXPECT_TRUE(root().isClosed());
}

} // namespace
