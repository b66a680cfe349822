#include "app/console/ConsoleAccessGameState.hpp"
#include "app/music/BackgroundMusicGameState.hpp"
#include "app/support/RootHarness.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "luabind/InstructionLimit.hpp"
#include "support/Watchdog.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <iterator>
#include <memory>
#include <string>

#include <unistd.h>

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

    // Types a line and returns its result line. A line that hangs ends the test binary, so it
    // fails rather than stalls the run; the bound leaves room for a very slow machine.
    static std::string type(const std::string& line) {
        tarsk::ConsoleAccessGameState* console = child<tarsk::ConsoleAccessGameState>();
        if (!console)
            return "no console";
        const testsupport::Watchdog watchdog(line, std::chrono::minutes(2));
        console->executeLine(line);
        return console->getOutput()->getLine(console->getOutput()->getLineAmount() - 1);
    }

    static inline std::unique_ptr<apptest::RootHarness> harness;
};

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

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

TEST_F(RootConsoleTest, WorkNoInstructionCountSeesEndsWithinTheLinesTime) {
    toggleConsole();
    const std::string runaway[] = {
        "xpcall(function() error('x') end, function() while true do end end)",
        "xpcall(function() while true do end end, function() while true do end end)",
        "string.find(string.rep('a', 300000), '.-b')",
        "string.find(string.rep('a', 5000), '.-.-.-.-.-b')",
        "string.gsub(string.rep('a', 300000), '.-b', '')",
        "for _ in string.gmatch(string.rep('a', 300000), '.-b') do end",
        "string.match(string.rep('a', 300000), '(a*)%1b')",
        // Items that take nothing here, a set scanned whole, a replacement that adds nothing.
        "string.find(('b'):rep(50000), ('x*'):rep(200000) .. 'y')",
        "string.find(('b'):rep(50000), ('x-'):rep(200000) .. 'y')",
        "string.find(('b'):rep(50000), ('x?'):rep(200000) .. 'y')",
        "string.find(('b'):rep(50000), '[' .. ('a'):rep(400000) .. ']*y')",
        "string.gsub(('b'):rep(50000), '', ('%0'):rep(200000))",
        "local s = string.rep('a', 1e8) for i = 1, 1e6 do s:find('b', 1, true) end",
        "setmetatable({}, {__gc = function() while true do end end}) collectgarbage()",
        // C functions that C calls: a reader of load, a replacement of gsub over a large heap.
        "print(pcall(load, collectgarbage))",
        "string.gsub(('collect '):rep(1e5), '%a+', collectgarbage)",
        // Chunks that take the parser long, given as a string and through a reader.
        "load(slow)",
        "local given load(function() if not given then given = true return slow end end)",
    };
    // A heap to collect, and a chunk whose every "k" the parser looks up past 199 other locals.
    EXPECT_EQ(type("heap = {}"), "\tsuccess");
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(type("local part = {} for i = 1, 1e5 do part[i] = {} end heap[#heap + 1] = part"),
                  "\tsuccess");
    std::string locals = "local k <const> = 1 local a1";
    for (int i = 2; i < 200; ++i)
        locals += ", a" + std::to_string(i);
    EXPECT_EQ(type("slow = '" + locals + " return 0' .. ('+k'):rep(2e7)"), "\tsuccess");
    for (const std::string& line : runaway) {
        EXPECT_TRUE(endsWith(type(line), lua::InstructionLimit::exhaustedText)) << line;
        EXPECT_EQ(type("marker = 1"), "\tsuccess") << "after " << line;
    }
    EXPECT_EQ(type("heap, slow = nil"), "\tsuccess");
    // Cheap enough to finish: a long plain needle, an empty string repeated.
    EXPECT_EQ(type("assert(not string.find(string.rep('a', 2e6), string.rep('a', 2e4 - 1) .. 'b', 1, true))"),
              "\tsuccess");
    EXPECT_EQ(type("assert(string.rep('', 1e18) == '')"), "\tsuccess");
    EXPECT_EQ(
        type("setmetatable({}, {__gc = function() finalised = true end}) collectgarbage() assert(finalised)"),
        "\tsuccess");
    toggleConsole();
}

TEST_F(RootConsoleTest, ALineNeverReadsStandardInput) {
    // Standard input as a pipe that stays open and silent: a read waits for good.
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const int savedInput = ::dup(STDIN_FILENO);
    ::dup2(pipeEnds[0], STDIN_FILENO);
    toggleConsole();
    EXPECT_TRUE(endsWith(type("dofile()"), "cannot read standard input"));
    EXPECT_EQ(type("assert(loadfile() == nil and loadfile('/dev/stdin') == nil)"), "\tsuccess");
    toggleConsole();
    ::dup2(savedInput, STDIN_FILENO);
    for (int fd : {savedInput, pipeEnds[0], pipeEnds[1]})
        ::close(fd);
}

TEST_F(RootConsoleTest, TheSandboxHoldsThroughPairsAndTheEnvironmentsMetatable) {
    toggleConsole();
    for (const char* table : {"string", "_G", "game.DayTime"})
        EXPECT_EQ(type(std::string("local _, t = pairs(") + table +
                       ") assert(not pcall(rawset, t, 'x', 1)) " +
                       "assert(not pcall(function() t.x = 1 end))"),
                  "\tsuccess")
            << table;
    // The game's own writes into the environment never run what a line put there.
    EXPECT_EQ(type("setmetatable(_ENV, {__index = _G, __newindex = function() while true do end end})"),
              "\tsuccess");
    orv::World world;
    auto entity = std::make_unique<orv::Entity>();
    entity->init();
    const orv::Entity* camera = world.addEntity(std::move(entity));
    {
        const testsupport::Watchdog watchdog("the game's write of camera");
        root().getActiveCamera().set(const_cast<orv::Entity*>(camera));
        EXPECT_EQ(root().getScriptEnvironment().getEnvironment().rawGet<const orv::Entity*>("camera"),
                  camera);
        root().getActiveCamera().clear();
    }
    EXPECT_EQ(type("setmetatable(_ENV, {__index = _G})"), "\tsuccess");
    world.removeMarkedEntities();
    toggleConsole();
}

} // namespace
