#include "LuaTestSupport.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

using luatest::run;

namespace {

// Live references: the registry's integer slots that hold a value. Released slots hold integers
// (links of the free list) and the first slots hold the main thread and the globals.
int registryEntries(lua_State* L) {
    int count = 0;
    lua_pushnil(L);
    while (lua_next(L, LUA_REGISTRYINDEX)) {
        if (lua_isinteger(L, -2) && lua_tointeger(L, -2) > LUA_RIDX_LAST && !lua_isinteger(L, -1))
            ++count;
        lua_pop(L, 1);
    }
    return count;
}

} // namespace

TEST(LuabindReference, CopiesAndMovesKeepOneRegistryEntryEach) {
    lua::State state;
    lua_State* L = state.handle();
    const int before = registryEntries(L);
    {
        lua::Table original = state.createTable();
        original.set("k", 1);
        EXPECT_EQ(registryEntries(L), before + 1);
        lua::Table copy = original;
        EXPECT_EQ(registryEntries(L), before + 2);
        EXPECT_TRUE(copy == original);
        lua::Table moved = std::move(copy);
        EXPECT_EQ(registryEntries(L), before + 2);
        EXPECT_FALSE(copy.valid()); // NOLINT(bugprone-use-after-move): a moved-from reference is empty
        EXPECT_EQ(moved.get<int>("k"), 1);
        moved = original;
        EXPECT_EQ(registryEntries(L), before + 2);
        EXPECT_FALSE(state.createTable() == original);
    }
    EXPECT_EQ(registryEntries(L), before);
    EXPECT_EQ(lua_gettop(L), 0);
}

TEST(LuabindReference, ReferenceOutlivingItsStateIsInert) {
    std::optional<lua::Table> survivor;
    {
        lua::State state;
        survivor = state.createTable();
        EXPECT_TRUE(survivor->valid());
    }
    EXPECT_FALSE(survivor->valid());
    EXPECT_THROW(survivor->get<int>("k"), lua::error);
    EXPECT_THROW(survivor->state(), lua::error);
    survivor.reset(); // releasing must not touch the closed state (ASan would see it)
}

TEST(LuabindReference, ObjectsHoldingReferencesAreDestroyedWhenTheStateCloses) {
    struct Holder {
        lua::Table table;
        int* destroyed;
        ~Holder() { ++*destroyed; }
    };
    int destroyed = 0;
    {
        lua::State state;
        state.newUsertype<Holder>("Holder", lua::noConstructor);
        const lua::Table table = state.createTable();
        table.set("self", Holder{table, &destroyed});
        destroyed = 0; // the temporary above
    }
    EXPECT_EQ(destroyed, 1);
}

TEST(LuabindReference, KindsAreCheckedWhenTaken) {
    lua::State state;
    state.open({lua::Library::base});
    const lua::Table globals = state.globals();
    globals.set("n", 5);
    EXPECT_EQ(globals.get<lua::Reference>("n").type(), lua::Type::number);
    EXPECT_FALSE(globals.get<lua::Reference>("absent").valid());
    EXPECT_THROW(globals.get<lua::Table>("n"), lua::error);
    EXPECT_THROW(globals.get<lua::Function>("n"), lua::error);
    EXPECT_NO_THROW(globals.get<lua::Function>("print"));
    EXPECT_THROW(lua::Table(globals.get<lua::Reference>("print")), lua::error);
}

TEST(LuabindReference, ReferencesCannotCrossStates) {
    lua::State first;
    lua::State second;
    const lua::Table fromFirst = first.createTable();
    EXPECT_THROW(second.globals().set("t", fromFirst), lua::error);
    EXPECT_FALSE(fromFirst == second.globals());
    EXPECT_EQ(lua_gettop(second.handle()), 0);
}

TEST(LuabindEnvironment, EnvironmentsShareGlobalsButNotTheirOwnNames) {
    lua::State state;
    state.open({lua::Library::base});
    const lua::Table globals = state.globals();
    globals.set("shared", 1);
    const auto first = lua::Environment::over(globals);
    const auto second = lua::Environment::over(globals);

    EXPECT_EQ(run(state, first, "mine = shared + 1"), "success");
    EXPECT_EQ(run(state, second, "assert(mine == nil and shared == 1) mine = 'second'"), "success");
    EXPECT_EQ(first.get<int>("mine"), 2);
    EXPECT_EQ(second.get<std::string>("mine"), "second");
    EXPECT_EQ(globals.get<std::optional<int>>("mine"), std::nullopt);
    // Reads fall through to the globals as they are now, not as they were.
    globals.set("shared", 7);
    EXPECT_EQ(run(state, first, "assert(shared == 7)"), "success");
    EXPECT_EQ(first.get<int>("shared"), 7);
    EXPECT_EQ(first.rawGet<std::optional<int>>("shared"), std::nullopt);
    // Functions defined in a chunk keep its environment.
    EXPECT_EQ(run(state, first, "function count() mine = mine + 1 return mine end"), "success");
    EXPECT_EQ(first.get<lua::Function>("count").call<int>(), 3);
    EXPECT_EQ(first.get<int>("mine"), 3);
}

TEST(LuabindEnvironment, OnlyChunksWithAnEnvironmentSlotTakeOne) {
    lua::State state;
    state.open({lua::Library::base});
    const auto env = lua::Environment::over(state.globals());
    EXPECT_THROW(env.setOn(state.globals().get<lua::Function>("print")), lua::error);
    ASSERT_EQ(run(state, "function pure(x) return x end"), "success");
    EXPECT_THROW(env.setOn(state.globals().get<lua::Function>("pure")), lua::error);
    EXPECT_EQ(lua_gettop(state.handle()), 0);
}
