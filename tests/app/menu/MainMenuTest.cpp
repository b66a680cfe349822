#include "app/ingame/IngameBaseGameState.hpp"
#include "app/menu/MainMenuGameState.hpp"
#include "app/savegame/LoadedSavegameGameState.hpp"
#include "app/support/RootHarness.hpp"
#include "engine/resources/RegularFile.hpp"
#include "ui/Label.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

using LoadedGame = tarsk::LoadedSavegameGameState<tarsk::IngameBaseGameState<1>>;
using Ingame = tarsk::IngameBaseGameState<1>;

// One inactive world that can only be drawn: enough to walk the whole road.
const char* const quietGame = R"({"global": {"wm_id_counter": 1, "systems_global": [],
    "worldContainers": [{"_id": 0, "_isActive": false, "_name": "Asleep", "entities": [],
                         "systems_local": [{"_SystemTypeId": "RenderSystem"}]}]}})";

sf::Vector2f centreOf(const ui::Widget& widget) {
    return widget.getAbsolutePosition() + widget.getSize() / 2.f;
}

struct Menu : testing::Test {
    Menu() { harness.start(); }

    tarsk::MainMenuGameState& menu() {
        return dynamic_cast<tarsk::MainMenuGameState&>(*harness.root->getSubStates().front());
    }
    // Clicks "New Game" and runs the frame; returns what the game printed meanwhile.
    std::string clickNewGame() {
        harness.pushClick(centreOf(*menu().getNewGameButton()));
        testing::internal::CaptureStdout();
        try {
            harness.frame();
        } catch (...) {
            std::cerr << testing::internal::GetCapturedStdout();
            throw;
        }
        return testing::internal::GetCapturedStdout();
    }
    LoadedGame* loadedGame() {
        auto& children = menu().getSubStates();
        return children.empty() ? nullptr : dynamic_cast<LoadedGame*>(children.front().get());
    }

    apptest::RootHarness harness;
};

TEST_F(Menu, IsTheRootsFirstChildWithTitleVersionAndButtons) {
    ASSERT_FALSE(harness.root->getSubStates().empty());
    ASSERT_NE(dynamic_cast<tarsk::MainMenuGameState*>(harness.root->getSubStates().front().get()), nullptr);
    const auto& group = menu().getGroup();
    ASSERT_EQ(harness.root->getGui().getWidgets().size(), 1u);
    EXPECT_EQ(harness.root->getGui().getWidgets().front(), group);

    std::vector<std::string> labels;
    for (const auto& widget : group->getWidgets()) {
        if (auto label = std::dynamic_pointer_cast<ui::Label>(widget))
            labels.push_back(label->getText());
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"Ostrevale", "pre-alpha.0.3"}));
    EXPECT_EQ(menu().getNewGameButton()->getText(), "New Game");
    EXPECT_TRUE(menu().getNewGameButton()->isEnabled());
    EXPECT_EQ(menu().getContinueButton()->getText(), "Continue");
    EXPECT_FALSE(menu().getContinueButton()->isEnabled());

    // Full width, 220 high, in the middle of the window; the buttons in its lower part.
    EXPECT_EQ(group->getSize(), sf::Vector2f(1280, 220));
    EXPECT_EQ(group->getPosition(), sf::Vector2f(0, 250));
    const sf::Vector2f newGame = centreOf(*menu().getNewGameButton());
    const sf::Vector2f continueAt = centreOf(*menu().getContinueButton());
    EXPECT_LT(newGame.x, 640.f);
    EXPECT_GT(continueAt.x, 640.f);
    EXPECT_FLOAT_EQ(newGame.y, 250 + 180 + 20);
}

TEST_F(Menu, ContinueDoesNothing) {
    harness.pushClick(centreOf(*menu().getContinueButton()));
    harness.frame();
    EXPECT_TRUE(menu().getSubStates().empty());
    EXPECT_TRUE(menu().getGroup()->isVisible());
}

TEST_F(Menu, NewGameRunsTheLoadedGameWithTheIngameRootAndHidesTheMenu) {
    harness.folder.writeGameFile(quietGame);
    EXPECT_EQ(clickNewGame(), "");
    LoadedGame* game = loadedGame();
    ASSERT_NE(game, nullptr);
    ASSERT_EQ(game->getSubStates().size(), 1u);
    EXPECT_NE(dynamic_cast<Ingame*>(game->getSubStates().front().get()), nullptr);
    EXPECT_EQ(game->getSavegame().worldManager->getWorldContainers().front()->getName(), "Asleep");
    EXPECT_FALSE(menu().getGroup()->isVisible());
    // A hidden menu does not count as interface under the mouse.
    EXPECT_FALSE(harness.root->getInput().isPointOverGui(centreOf(*menu().getNewGameButton())));
    harness.frame();
    EXPECT_FALSE(game->isClosed());
}

TEST_F(Menu, EndingTheIngameRootEndsTheLoadedGameAndBringsTheMenuBack) {
    harness.folder.writeGameFile(quietGame);
    clickNewGame();
    ASSERT_NE(loadedGame(), nullptr);
    loadedGame()->getSubStates().front()->close();
    EXPECT_TRUE(loadedGame()->isClosed());
    EXPECT_TRUE(menu().getGroup()->isVisible());
    harness.frame();
    EXPECT_TRUE(menu().getSubStates().empty());
}

TEST_F(Menu, MarkedEntitiesLeaveEveryWorldAfterTheFrameActiveOrNot) {
    harness.folder.writeGameFile(quietGame);
    clickNewGame();
    ASSERT_NE(loadedGame(), nullptr);
    orv::World& asleep = *loadedGame()->getSavegame().worldManager->getWorldContainers().front()->getWorld();
    auto add = [&asleep] {
        auto entity = std::make_unique<orv::Entity>();
        entity->init();
        return asleep.addEntity(std::move(entity));
    };
    const orv::Entity* kept = add();
    const orv::Entity* doomed = add();
    // The player and its camera live here as well.
    const auto before = asleep.getEntityCount();
    asleep.markForRemoval(doomed);
    harness.frame();
    EXPECT_FALSE(asleep.contains(doomed));
    EXPECT_TRUE(asleep.contains(kept));
    EXPECT_EQ(asleep.getEntityCount(), before - 1);
}

TEST_F(Menu, AGameThatCannotStartIsReportedAndTheMenuStaysUsable) {
    const std::vector<std::pair<std::string, std::string>> broken = {
        {"", "test_entities_save.json"},
        {"{\"global\": ", "parse"},
        {"[]", "with array"},
        {R"({"global": {"wm_id_counter": 1, "systems_global": [], "worldContainers": [
            {"_id": 4, "_isActive": true, "_name": "Island", "systems_local": [], "entities": []}]}})",
         "world 4 \"Island\" cannot run: it has no PhysicsSystem"},
    };
    for (const auto& [text, reason] : broken) {
        if (text.empty())
            std::filesystem::remove(harness.folder.files() / "test_entities_save.json");
        else
            harness.folder.writeGameFile(text);
        const std::string said = clickNewGame();
        EXPECT_NE(said.find("New Game failed"), std::string::npos) << said;
        EXPECT_NE(said.find(reason), std::string::npos) << said;
        EXPECT_TRUE(menu().getSubStates().empty()) << reason;
        EXPECT_TRUE(menu().getGroup()->isVisible()) << reason;
        EXPECT_TRUE(menu().getNewGameButton()->isEnabled()) << reason;
    }
    harness.folder.writeGameFile(quietGame);
    EXPECT_EQ(clickNewGame(), "");
    EXPECT_NE(loadedGame(), nullptr);
}

TEST_F(Menu, AGameFileThatIsNoRegularFileOrTooLargeIsRefusedByNameWithoutBlocking) {
    const auto file = harness.folder.files() / "test_entities_save.json";
    const std::vector<std::pair<std::function<void()>, std::string>> odd = {
        {[&] { std::filesystem::create_directory(file); }, "it is a folder"},
        {[&] { ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0); }, "it is a pipe (FIFO)"},
        {[&] { std::filesystem::create_symlink("/dev/zero", file); }, "it is a device"},
        {[&] {
             harness.folder.writeGameFile(quietGame);
             std::filesystem::resize_file(file, orv::FileLimit::GameFile + 1);
         },
         "it holds 67108865 bytes, more than the 67108864 bytes allowed"},
    };
    for (const auto& [make, reason] : odd) {
        std::filesystem::remove_all(file);
        make();
        const std::string said = clickNewGame();
        EXPECT_NE(said.find("New Game failed: cannot read ./test_entities_save.json: " + reason),
                  std::string::npos)
            << said;
        EXPECT_TRUE(menu().getSubStates().empty()) << reason;
        EXPECT_TRUE(menu().getGroup()->isVisible()) << reason;
    }
    // A texture of the game's entities as a link to a device.
    std::filesystem::remove_all(file);
    std::filesystem::create_symlink("/dev/zero", harness.folder.files() / "data/zero.png");
    std::string game = quietGame;
    game.replace(
        game.find("\"entities\": []"), 14,
        R"("entities": [{"components": {"render": {"sortingOffset.x": 0, "sortingOffset.y": 0, "sortingOffset.z": 0},
        "transform": {"position": [1, 1, 0], "rotation": 0, "scale": [1, 1]},
        "sprite": {"anchor": 5, "spriteBaseSize.x": 16, "spriteBaseSize.y": 16, "spritePositionOffset.x": 0,
                   "spritePositionOffset.y": 0, "spriteRotationOffset": 0, "textureResourceId": "./data/zero.png"}}}])");
    harness.folder.writeGameFile(game);
    const std::string said = clickNewGame();
    EXPECT_NE(said.find("entities[0]: cannot read ./data/zero.png: it is a device"), std::string::npos)
        << said;
    EXPECT_TRUE(menu().getGroup()->isVisible());
}

TEST_F(Menu, DestroyedMenuTakesItsWidgetsAlong) {
    auto group = menu().getGroup();
    menu().close();
    EXPECT_TRUE(harness.root->getGui().getWidgets().empty());
    EXPECT_EQ(group->getParent(), nullptr);
}

} // namespace
