#include "LuaTestSupport.hpp"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

using luatest::run;

namespace {

struct Tracker {
    int* destroyed;
    ~Tracker() { ++*destroyed; }
};

int raiseLuaErrorPastTracker(lua_State* L) {
    Tracker tracker{static_cast<int*>(lua_touserdata(L, lua_upvalueindex(1)))};
    return luaL_error(L, "raised with %d live objects", 1);
}

} // namespace

TEST(LuabindErrorBoundary, LuaErrorRaisedThroughACFrameRunsItsDestructors) {
    lua::State state;
    state.open({lua::Library::base});
    int destroyed = 0;
    lua_State* L = state.handle();
    lua_pushlightuserdata(L, &destroyed);
    lua_pushcclosure(L, &raiseLuaErrorPastTracker, 1);
    lua_setglobal(L, "raise");

    EXPECT_EQ(run(state, "raise()"), "[string \"raise()\"]:1: raised with 1 live objects");
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(lua_gettop(L), 0);
}

TEST(LuabindErrorBoundary, StdExceptionBecomesLuaErrorAfterUnwinding) {
    lua::State state;
    state.open({lua::Library::base, lua::Library::string});
    int destroyed = 0;
    state.globals().set("explode", [&destroyed] {
        Tracker tracker{&destroyed};
        throw std::logic_error("fuse burnt");
    });

    EXPECT_EQ(run(state, "explode()"), "[string \"explode()\"]:1: fuse burnt");
    EXPECT_EQ(destroyed, 1);
    // Lua's own pcall sees it as an ordinary error value.
    EXPECT_EQ(run(state, "local ok, e = pcall(explode) assert(not ok and e:find('fuse burnt'))"), "success");
    EXPECT_EQ(destroyed, 2);
}

TEST(LuabindErrorBoundary, ErrorsCrossNestedCallsBetweenLuaAndCpp) {
    lua::State state;
    state.open({lua::Library::base});
    int destroyed = 0;
    state.globals().set("fail", []() -> int { throw std::runtime_error("inner failure"); });
    // C++ calls back into Lua, which calls C++ that throws: the error climbs out through every
    // layer as text, each C++ frame unwinding on the way.
    state.globals().set("through", [&destroyed](const lua::Function& callback) {
        Tracker tracker{&destroyed};
        return callback.call<int>();
    });

    const std::string result = run(state, "through(function() return fail() + 1 end)");
    EXPECT_NE(result.find("inner failure"), std::string::npos) << result;
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(lua_gettop(state.handle()), 0);
}

TEST(LuabindErrorBoundary, ExceptionsNotDerivedFromStdExceptionDoNotEscape) {
    lua::State state;
    state.open({lua::Library::base});
    state.globals().set("odd", [] { throw 42; });
    EXPECT_EQ(run(state, "odd()"), "unknown C++ exception (not derived from std::exception)");
    EXPECT_EQ(run(state, "x = 1"), "success");
}

TEST(LuabindErrorBoundary, SyntaxAndRuntimeErrorsComeBackAsText) {
    lua::State state;
    state.open({lua::Library::base});

    const lua::LoadResult broken = state.load("x = ");
    ASSERT_FALSE(broken);
    EXPECT_EQ(broken.message(), "[string \"x = \"]:1: unexpected symbol near <eof>");
    EXPECT_THROW(broken.function(), lua::error);

    EXPECT_EQ(run(state, "local t = nil; t.x = 1"),
              "[string \"local t = nil; t.x = 1\"]:1: attempt to index a nil value (local 't')");
    EXPECT_EQ(run(state, "error({})"), "(error object is a table value)");
    EXPECT_EQ(run(state, "error(setmetatable({}, {__tostring = function() return 'custom' end}))"), "custom");
    EXPECT_EQ(run(state, "error(7)"), "7");
}

TEST(LuabindErrorBoundary, LoadCompilesWithoutRunning) {
    lua::State state;
    state.open({lua::Library::base});
    const lua::LoadResult chunk = state.load("ran = true");
    ASSERT_TRUE(chunk);
    EXPECT_FALSE(state.globals().get<std::optional<bool>>("ran").has_value());
    chunk.function().call();
    EXPECT_TRUE(state.globals().get<bool>("ran"));
}

TEST(LuabindErrorBoundary, BinaryChunksAreRefused) {
    lua::State state;
    state.open({lua::Library::base, lua::Library::string});
    ASSERT_EQ(run(state, "dumped = string.dump(function() return 1 end)"), "success");
    const std::string bytes = state.globals().get<std::string>("dumped");
    const lua::LoadResult chunk = state.load(bytes);
    EXPECT_FALSE(chunk);
    EXPECT_NE(chunk.message().find("attempt to load a binary chunk"), std::string::npos) << chunk.message();
}

TEST(LuabindErrorBoundary, FunctionCallThrowsTheErrorTextAndKeepsTheStackBalanced) {
    lua::State state;
    state.open({lua::Library::base});
    ASSERT_EQ(run(state, "function half(x) if x % 2 == 1 then error('odd', 0) end return x // 2 end"),
              "success");
    const auto half = state.globals().get<lua::Function>("half");
    EXPECT_EQ(half.call<int>(8), 4);
    try {
        half.call<int>(3);
        FAIL() << "expected lua::error";
    } catch (const lua::error& e) {
        EXPECT_STREQ(e.what(), "odd");
    }
    EXPECT_THROW(half.call<std::string>(8), lua::error); // a number is not a string
    const lua::CallResult failed = half.protectedCall(5);
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.message(), "odd");
    EXPECT_TRUE(half.protectedCall(6));
    EXPECT_EQ(lua_gettop(state.handle()), 0);
}

TEST(LuabindErrorBoundary, ErrorInAMetamethodReachedFromCppIsAnExceptionNotAPanic) {
    lua::State state;
    state.open({lua::Library::base});
    ASSERT_EQ(run(state, "trap = setmetatable({}, {__index = function(_, k) error('no ' .. k, 0) end,"
                         "                         __newindex = function(_, k) error('keep out', 0) end})"),
              "success");
    const auto trap = state.globals().get<lua::Table>("trap");
    try {
        trap.get<int>("door");
        FAIL() << "expected lua::error";
    } catch (const lua::error& e) {
        EXPECT_STREQ(e.what(), "no door");
    }
    EXPECT_THROW(trap.set("door", 1), lua::error);
    trap.rawSet("door", 2);
    EXPECT_EQ(trap.get<int>("door"), 2);
    // The state is still healthy afterwards.
    EXPECT_EQ(run(state, "x = 1 + 1"), "success");
    EXPECT_EQ(lua_gettop(state.handle()), 0);
}

TEST(LuabindErrorBoundary, PanicBecomesLuaError) {
    lua::State state;
    // An unprotected raw API error has no Lua frame to land in.
    lua_pushliteral(state.handle(), "x");
    EXPECT_THROW(lua_error(state.handle()), lua::error);
}
