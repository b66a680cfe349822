#include "app/console/ConsoleAccessGameState.hpp"
#include "app/music/BackgroundMusicGameState.hpp"
#include "app/support/RootHarness.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "luabind/InstructionLimit.hpp"

#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <string>

namespace {

// One root (and so one window) for the whole suite: the display does not like windows opened and
// closed in quick succession.
class RootConsoleTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        harness = std::make_unique<apptest::RootHarness>();
        harness->start();
        harness->frame();
    }
    static void TearDownTestSuite() { harness.reset(); }

    static tarsk::BaseGameState& root() { return *harness->root; }
    template <class T>
    static T* child() {
        T* found = nullptr;
        for (const auto& state : root().getSubStates())
            if (auto* candidate = dynamic_cast<T*>(state.get()); candidate && !candidate->isClosed())
                found = candidate;
        return found;
    }
    static void toggleConsole() {
        harness->pushKey(sf::Keyboard::F11);
        harness->frame();
    }

    static inline std::unique_ptr<apptest::RootHarness> harness;
};

TEST_F(RootConsoleTest, MusicRunsAsTheSecondChild) {
    ASSERT_GE(root().getSubStates().size(), 2u);
    EXPECT_NE(dynamic_cast<tarsk::BackgroundMusicGameState*>(std::next(root().getSubStates().begin())->get()),
              nullptr);
}

TEST_F(RootConsoleTest, F11TogglesAConsoleThatRunsLuaWithTheGamesBindings) {
    ASSERT_EQ(child<tarsk::ConsoleAccessGameState>(), nullptr);
    toggleConsole();
    tarsk::ConsoleAccessGameState* console = child<tarsk::ConsoleAccessGameState>();
    ASSERT_NE(console, nullptr);
    console->executeLine("assert(type(game.DayTime) == 'table')");
    EXPECT_EQ(console->getOutput()->getLine(1), "\tsuccess");

    // F11 reaches the root even while the console's input line takes the keyboard.
    console->getInputLine()->setFocused(true);
    toggleConsole();
    EXPECT_EQ(child<tarsk::ConsoleAccessGameState>(), nullptr);
    for (const auto& widget : root().getGui().getWidgets())
        EXPECT_EQ(std::dynamic_pointer_cast<ui::ChildWindow>(widget), nullptr);

    // A new opening starts afresh.
    toggleConsole();
    console = child<tarsk::ConsoleAccessGameState>();
    ASSERT_NE(console, nullptr);
    EXPECT_EQ(console->getOutput()->getLineAmount(), 0u);
    EXPECT_EQ(console->getLineNumber(), 0u);
    console->getWindow()->close();
    harness->frame();
    EXPECT_EQ(child<tarsk::ConsoleAccessGameState>(), nullptr);
    toggleConsole();
    EXPECT_NE(child<tarsk::ConsoleAccessGameState>(), nullptr);
    toggleConsole();
}

TEST_F(RootConsoleTest, ARunawayLineIsStoppedAndTheGameGoesOn) {
    toggleConsole();
    tarsk::ConsoleAccessGameState* console = child<tarsk::ConsoleAccessGameState>();
    ASSERT_NE(console, nullptr);
    console->executeLine("while true do end");
    EXPECT_EQ(console->getOutput()->getLine(1), std::string("\t") + lua::InstructionLimit::exhaustedText);
    harness->frame();
    console->executeLine("n = 0 for i = 1, 3 do n = n + i end assert(n == 6)");
    EXPECT_EQ(console->getOutput()->getLine(3), "\tsuccess");
    toggleConsole();
    EXPECT_EQ(child<tarsk::ConsoleAccessGameState>(), nullptr);
}

TEST_F(RootConsoleTest, TheActiveCameraIsPublishedToScripts) {
    orv::World world;
    auto entity = std::make_unique<orv::Entity>();
    entity->init();
    const orv::Entity* camera = world.addEntity(std::move(entity));
    tarsk::ScriptEnvironment& scripts = root().getScriptEnvironment();
    root().getActiveCamera().set(const_cast<orv::Entity*>(camera));
    EXPECT_EQ(scripts.getEnvironment().get<const orv::Entity*>("camera"), camera);
    root().getActiveCamera().clear();
    EXPECT_EQ(scripts.getEnvironment().get<const orv::Entity*>("camera"), nullptr);
    world.removeMarkedEntities();
}

} // namespace
