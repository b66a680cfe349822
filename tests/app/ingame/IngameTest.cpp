#include "app/ingame/IngameBaseGameState.hpp"
#include "app/menu/MainMenuGameState.hpp"
#include "app/savegame/LoadedSavegameGameState.hpp"
#include "app/support/RootHarness.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "game/time/TimeSystem.hpp"

#include <gtest/gtest.h>

namespace {

using LoadedGame = tarsk::LoadedSavegameGameState<tarsk::IngameBaseGameState<1>>;

const char* const twoWorlds = R"({"global": {"wm_id_counter": 2, "systems_global": [], "worldContainers": [
    {"_id": 0, "_isActive": true, "_name": "Island", "entities": [], "systems_local": [
        {"_SystemTypeId": "TimeSystem", "time.hours": 12, "time.minutes": 0, "time.seconds": 0},
        {"_SystemTypeId": "RenderSystem"}, {"_SystemTypeId": "PhysicsSystem"}]},
    {"_id": 1, "_isActive": false, "_name": "Dungeon", "entities": [], "systems_local": [
        {"_SystemTypeId": "TimeSystem", "time.hours": 0, "time.minutes": 0, "time.seconds": 0},
        {"_SystemTypeId": "PhysicsSystem"}]}]}})";

// A running game reached the way the player reaches it: "New Game" on the menu.
struct RunningGame : testing::Test {
    RunningGame() : harness({sf::milliseconds(5), sf::milliseconds(20), sf::milliseconds(50)}) {
        harness.folder.writeGameFile(twoWorlds);
        harness.start();
        auto& menu = dynamic_cast<tarsk::MainMenuGameState&>(*harness.root->getSubStates().front());
        menu.startNewGame();
        game = dynamic_cast<LoadedGame*>(menu.getSubStates().front().get());
    }
    orv::World& world(std::size_t index) {
        return *game->getSavegame().worldManager->getWorldContainers().at(index)->getWorld();
    }

    apptest::RootHarness harness;
    LoadedGame* game = nullptr;
};

TEST_F(RunningGame, ActiveWorldsRunOnTheFrameTime) {
    ASSERT_NE(game, nullptr);
    tarsk::TimeSystem& time = *world(0).getSystem<tarsk::TimeSystem>();
    orv::PhysicsSystem& physics = *world(0).getSystem<orv::PhysicsSystem>();
    harness.frame();
    harness.frame();
    EXPECT_EQ(time.getFrameTime(), sf::milliseconds(20));
    EXPECT_EQ(time.getGameTimeDelta(), sf::milliseconds(20 * 96));
    EXPECT_EQ(time.getTotalTime(), sf::milliseconds(25));
    EXPECT_EQ(physics.getStepTime(), sf::milliseconds(20));
    // A slow frame: game time follows it, the physics step stops at 1/30 s.
    harness.frame();
    EXPECT_EQ(time.getFrameTime(), sf::milliseconds(50));
    EXPECT_NEAR(physics.getStepTime().asSeconds(), 1.f / 30.f, 1e-6);
    EXPECT_EQ(time.getDayTime().getHour(), 12u);
    EXPECT_EQ(time.getDayTime().getMinute(), 0u);
    EXPECT_EQ(time.getDayTime().getSecond(), 7u);
}

TEST_F(RunningGame, InactiveWorldsStandStill) {
    ASSERT_NE(game, nullptr);
    harness.frame();
    tarsk::TimeSystem& time = *world(1).getSystem<tarsk::TimeSystem>();
    EXPECT_EQ(time.getFrameTime(), sf::Time::Zero);
    EXPECT_EQ(time.getTotalTime(), sf::Time::Zero);
}

TEST_F(RunningGame, ClosingTheProgramTearsTheGameDownWithoutSaving) {
    ASSERT_NE(game, nullptr);
    harness.frame();
    harness.push(sf::Event::Closed);
    harness.frame();
    EXPECT_TRUE(harness.root->isClosed());
    EXPECT_EQ(harness.folder.files().read("test_entities_save.json"), twoWorlds);
}

} // namespace
