// What a script can do to the interpreter and to other scripts: no precompiled chunks, no
// endless runs, no changes to shared tables, no use of objects that died.
#include "LuaTestSupport.hpp"
#include "support/TempFolder.hpp"
#include "support/Watchdog.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include <sys/stat.h>

using luatest::run;

namespace {

bool mentions(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(LuabindContainment, EveryLoaderRefusesPrecompiledChunks) {
    lua::State state;
    state.open({lua::Library::base, lua::Library::string});
    ASSERT_EQ(run(state, "dumped = string.dump(function() return 1 end)"), "success");
    EXPECT_EQ(run(state, "local f, why = load(dumped) assert(f == nil) error(why, 0)"),
              "attempt to load a binary chunk (mode is 't')");
    EXPECT_EQ(run(state, "assert(load(dumped, 'x', 'b') == nil and load(dumped, 'x', 'bt', {}) == nil)"),
              "success");
    // Text still loads, with the environment given or left out.
    EXPECT_EQ(run(state, "assert(load('return 2')() == 2 and load('return x', 'c', 'b', {x = 3})() == 3)"),
              "success");
    EXPECT_EQ(run(state, "assert(load('return print')() == print)"), "success");

    const testsupport::TempFolder folder;
    ASSERT_EQ(run(state, "dumped = string.dump(function() return 1 end)"), "success");
    folder.write("chunk", state.globals().get<std::string>("dumped"));
    state.globals().set("file", (folder / "chunk").string());
    EXPECT_EQ(run(state, "assert(loadfile(file) == nil and loadfile(file, 'b') == nil)"), "success");
    const std::string done = run(state, "dofile(file)");
    EXPECT_TRUE(mentions(done, "attempt to load a binary chunk")) << done;
}

TEST(LuabindContainment, FileLoadersReadTextFilesButNeverWaitOnAPipeOrADevice) {
    lua::State state;
    state.open({lua::Library::base});
    const testsupport::TempFolder folder;
    const std::filesystem::path pipe = folder / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    state.globals().set("pipe", pipe.string());
    EXPECT_EQ(run(state, "local f, why = loadfile(pipe) assert(f == nil) error(why, 0)"),
              "cannot read " + pipe.string() + ": it is a pipe (FIFO)");
    EXPECT_TRUE(mentions(run(state, "dofile('/dev/zero')"), "cannot read /dev/zero: it is a device"));
    std::filesystem::remove(pipe);
    folder.write("pipe", "return x");
    EXPECT_EQ(run(state, "assert(loadfile(pipe, 't', {x = 4})() == 4 and dofile(pipe) == nil)"), "success");
}

TEST(LuabindContainment, AnInstructionLimitStopsEndlessCodeEvenWhenItCatchesErrors) {
    lua::State state;
    state.open({lua::Library::base});
    {
        const lua::InstructionLimit limit(state, 100'000);
        EXPECT_EQ(run(state, "while true do end"), lua::InstructionLimit::exhaustedText);
    }
    {
        const lua::InstructionLimit limit(state, 100'000);
        EXPECT_TRUE(mentions(run(state, "while true do pcall(function() while true do end end) end"),
                             lua::InstructionLimit::exhaustedText));
    }
    {
        const lua::InstructionLimit limit(state, 100'000);
        EXPECT_EQ(run(state, "local n = 0 for i = 1, 1000 do n = n + i end assert(n == 500500)"), "success");
        EXPECT_THROW(lua::InstructionLimit(state, 1), lua::error);
    }
    // Without a limit in force the same state runs on.
    EXPECT_EQ(run(state, "for i = 1, 300000 do end"), "success");
}

TEST(LuabindContainment, AnAllocationBudgetStopsWorkDoneInsideLibraryFunctions) {
    lua::State state;
    state.open({lua::Library::base, lua::Library::string});
    constexpr std::uint64_t budget = 16u << 20;
    {
        const lua::InstructionLimit limit(state, 10'000'000, budget);
        const std::string said = run(state, "local s = string.rep('x', 1e9)");
        EXPECT_TRUE(mentions(said, "not enough memory")) << said;
    }
    {
        // Few instructions, but every step copies the whole string: about 1.6 GB in all.
        const lua::InstructionLimit limit(state, 10'000'000, budget);
        EXPECT_TRUE(mentions(run(state, "local s = '' for i = 1, 20000 do s = s .. 'abcdefgh' end"),
                             "not enough memory"));
        EXPECT_TRUE(mentions(run(state, "local t = {} t[1] = string.rep('y', 100)"), "not enough memory"));
    }
    // The budget goes with the limit.
    EXPECT_EQ(run(state, "local s = string.rep('x', 32 * 1024 * 1024)"), "success");
}

TEST(LuabindContainment, SealedGlobalsAndUsertypeTablesCannotBeChanged) {
    lua::State state;
    state.open({lua::Library::base, lua::Library::string});
    struct Point {
        int x = 1;
    };
    state.globals().set("Point", state.newUsertype<Point>("Point", lua::noConstructor, "twice",
                                                          [](const Point& p) { return 2 * p.x; }));
    state.sealGlobals();
    Point point;
    const lua::Environment env = lua::Environment::over(state.globals());
    env.set("p", &point);

    for (const char* change :
         {"Point.twice = nil", "rawset(Point, 'twice', 1)", "_G.print = nil", "_G.fresh = 1",
          "rawset(_G, 'print', 1)", "string.upper = nil", "rawset(string, 'upper', 1)",
          "getmetatable('').__index = {}", "setmetatable(_G, nil)", "setmetatable(string, nil)"}) {
        EXPECT_NE(run(state, env, change), "success") << change;
    }
    EXPECT_THROW(state.globals().set("fresh", 1), lua::error);
    // Reading, calling and walking work as before, and a script's own globals stay its own.
    EXPECT_EQ(run(state, env,
                  "assert(p:twice() == 2 and Point.twice(p) == 2 and ('ab'):upper() == 'AB') "
                  "local n = 0 for k, v in pairs(string) do n = n + 1 end assert(n > 10) "
                  "print = 5 assert(print == 5) own = {} own.x = 1 rawset(own, 'y', 2)"),
              "success");
    EXPECT_EQ(run(state, lua::Environment::over(state.globals()), "assert(type(print) == 'function')"),
              "success");
}

TEST(LuabindContainment, AWatchedObjectThatDiedIsAnErrorNotAnAccess) {
    struct Lamp {
        int level = 3;
        std::shared_ptr<const int> life = std::make_shared<const int>(0);
    };
    lua::State state;
    state.open({lua::Library::base, lua::Library::string});
    state.newUsertype<Lamp>("Lamp", lua::noConstructor, "level", &Lamp::level, "bright",
                            [](const Lamp& lamp) { return lamp.level > 2; });
    state.watchUsertype<Lamp>([](const Lamp& lamp) { return std::weak_ptr<const void>(lamp.life); },
                              "lamp no longer exists");
    auto lamp = std::make_unique<Lamp>();
    state.globals().set("lamp", lamp.get());
    ASSERT_EQ(run(state, "keep = lamp assert(keep.level == 3 and keep:bright())"), "success");

    lamp.reset();
    for (const char* use : {"return keep.level", "keep.level = 1", "return keep:bright()"})
        EXPECT_TRUE(mentions(run(state, use), "lamp no longer exists")) << use;
    EXPECT_THROW(state.globals().get<Lamp*>("keep"), lua::error);
    // Comparing and printing never reach the object.
    EXPECT_EQ(run(state, "assert(keep == lamp and tostring(keep):find('Lamp') == 1)"), "success");
}

TEST(LuabindContainment, FinalisersLeftAtCloseRunWithinABudgetAndFindCollectedValuesGone) {
    struct Lamp {
        std::shared_ptr<const int> life = std::make_shared<const int>(0);
    };
    std::string seen;
    {
        // The closing budget is all that stops the endless finaliser.
        const testsupport::Watchdog watchdog("closing a state with finalisers left");
        lua::State state;
        state.open({lua::Library::base});
        state.newUsertype<Lamp>("Lamp", lua::noConstructor, "on", [](const Lamp&) { return true; });
        state.watchUsertype<Lamp>([](const Lamp& lamp) { return std::weak_ptr<const void>(lamp.life); },
                                  "lamp no longer exists");
        state.globals().set("note", [&seen](const std::string& text) { seen = text; });
        // Finalisers run in the reverse order of setmetatable: the endless one last, and the
        // other after the lamp's value (made later) was collected.
        ASSERT_EQ(run(state, "endless = setmetatable({}, {__gc = function() while true do end end}) "
                             "user = setmetatable({}, {__gc = function() "
                             "note(select(2, pcall(function() return keep:on() end))) end})"),
                  "success");
        auto lamp = std::make_unique<Lamp>();
        state.globals().set("keep", lamp.get());
        lamp.reset();
    }
    EXPECT_TRUE(mentions(seen, "lamp no longer exists")) << seen;
}
