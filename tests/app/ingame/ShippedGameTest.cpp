#include "app/ingame/IngameBaseGameState.hpp"
#include "app/menu/MainMenuGameState.hpp"
#include "app/savegame/LoadedSavegameGameState.hpp"
#include "app/savegame/LoadedSavegameSaverToFolder.hpp"
#include "app/support/RootHarness.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/camera/CameraComponent.hpp"
#include "game/dialogue/DialogueSenderComponent.hpp"
#include "game/render/RenderSystem.hpp"
#include "game/terrain/TerrainComponent.hpp"
#include "game/terrain/TerrainSystem.hpp"
#include "game/time/TimeSystem.hpp"

#include <gtest/gtest.h>

namespace {

using LoadedGame = tarsk::LoadedSavegameGameState<tarsk::IngameBaseGameState<1>>;

// The game file and content the game ships with, started as the player starts them.
struct ShippedGame : testing::Test {
    ShippedGame() : harness({}, apptest::RunFolder::Content::Shipped) {
        harness.start();
        auto& menu = dynamic_cast<tarsk::MainMenuGameState&>(*harness.root->getSubStates().front());
        testing::internal::CaptureStdout();
        menu.startNewGame();
        said = testing::internal::GetCapturedStdout();
        game = menu.getSubStates().empty() ? nullptr
                                           : dynamic_cast<LoadedGame*>(menu.getSubStates().front().get());
    }

    apptest::RootHarness harness;
    std::string said;
    LoadedGame* game = nullptr;
};

TEST_F(ShippedGame, StartsWithAnIslandAndADungeonNumberedFromZero) {
    ASSERT_NE(game, nullptr) << said;
    const auto containers = game->getSavegame().worldManager->getWorldContainers();
    ASSERT_EQ(containers.size(), 2u);
    for (std::size_t i = 0; i < containers.size(); ++i) {
        EXPECT_EQ(containers[i]->getId(), i);
        orv::World& world = *containers[i]->getWorld();
        EXPECT_NE(world.findSystem<tarsk::TimeSystem>(), nullptr);
        EXPECT_NE(world.findSystem<orv::PhysicsSystem>(), nullptr);
        const orv::Entity* terrain = world.getSystem<tarsk::TerrainSystem>()->getTerrainEntity();
        ASSERT_NE(terrain, nullptr);
        EXPECT_NE(terrain->getComponent<tarsk::TerrainComponent>(), nullptr);
    }
    EXPECT_TRUE(containers[0]->isActive());
    EXPECT_EQ(game->getSavegame().data["PlayerWorldContainer"], 0);
    // The island's trees are drawn and collide.
    orv::World& island = *containers[0]->getWorld();
    EXPECT_GT(island.getSystem<tarsk::RenderSystem>()->getRenderables().size(), 10u);
    EXPECT_GT(island.getSystem<orv::PhysicsSystem>()->getSimulatedEntities().size(), 10u);
}

TEST_F(ShippedGame, RunsFramesAndTheDayNightCycleLightsTheIsland) {
    ASSERT_NE(game, nullptr) << said;
    for (int i = 0; i < 3; ++i)
        harness.frame();
    orv::World& island = *game->getSavegame().worldManager->getWorldContainers()[0]->getWorld();
    // Noon on the default cycle: full daylight.
    EXPECT_EQ(island.getSystem<tarsk::RenderSystem>()->getAmbientColor(), sf::Color::White);
}

TEST_F(ShippedGame, TheOldManStandsInViewOfANewPlayer) {
    ASSERT_NE(game, nullptr) << said;
    harness.frame();
    const orv::Entity* camera = harness.root->getActiveCamera().getCamera();
    ASSERT_NE(camera, nullptr);
    const sf::View& view = camera->getComponent<tarsk::CameraComponent>()->getView();
    const sf::FloatRect seen(view.getCenter() - view.getSize() / 2.f, view.getSize());
    int oldMen = 0;
    for (const auto& entity : camera->getWorld()->getEntities()) {
        const auto* sender = entity->findComponent<tarsk::DialogueSenderComponent>();
        if (!sender || sender->getDialogueFactoryId() != "OLD_MAN_DIALOGUE_01")
            continue;
        ++oldMen;
        EXPECT_TRUE(
            seen.contains(entity->getComponent<orv::TransformationComponent>()->getPositionXY() * 16.f));
    }
    EXPECT_EQ(oldMen, 1);
}

TEST_F(ShippedGame, ASavedGameHoldsThePlayerOnlyAsPlayerData) {
    ASSERT_NE(game, nullptr) << said;
    harness.frame();
    testing::internal::CaptureStdout();
    tarsk::LoadedSavegameSaverToFolder(harness.root->getSerializationManager(), "saved.json")
        .save(game->getSavegame());
    testing::internal::GetCapturedStdout();
    const nlohmann::json saved = nlohmann::json::parse(harness.folder.files().read("saved.json"));
    EXPECT_TRUE(saved.at("PlayerData").at("components").contains("DialogueReceiverComponent"));
    for (const nlohmann::json& container : saved.at("global").at("worldContainers")) {
        for (const nlohmann::json& entity : container.at("entities"))
            ASSERT_FALSE(entity.at("components").contains("DialogueReceiverComponent")) << "a second player";
    }
}

} // namespace
