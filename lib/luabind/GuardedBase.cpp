#include "luabind/GuardedBase.hpp"

#include "luabind/InstructionLimit.hpp"

#include <lua.hpp>

namespace lua::detail {

namespace {

// Message handler standing in for the one given to xpcall (upvalue 1).
int guardedHandler(lua_State* L) {
    if (budgetSpent(L)) {
        lua_settop(L, 1);
        return 1;
    }
    const int arguments = lua_gettop(L);
    lua_pushvalue(L, lua_upvalueindex(1));
    lua_insert(L, 1);
    lua_call(L, arguments, 1);
    return 1;
}

// xpcall(f, handler, ...) through the original (upvalue 1), the handler guarded.
int guardedXpcall(lua_State* L) {
    luaL_checktype(L, 2, LUA_TFUNCTION);
    lua_pushvalue(L, 2);
    lua_pushcclosure(L, &guardedHandler, 1);
    lua_replace(L, 2);
    const int arguments = lua_gettop(L);
    lua_pushvalue(L, lua_upvalueindex(1));
    lua_insert(L, 1);
    lua_call(L, arguments, LUA_MULTRET);
    return lua_gettop(L);
}

constexpr const char* sentinelsKey = "luabind.finalisers";
constexpr const char* sentinelMetatableKey = "luabind.finaliser";

// __gc of a sentinel (its user value: the object it stands for): runs the finaliser that the
// object's metatable holds now, on a thread of its own, where the count hook of the limit in
// force runs. Without a limit, or once its budget is spent, the finaliser is skipped. Errors end
// the finaliser only, as Lua's own do.
int runFinaliser(lua_State* L) {
    if (lua_gethook(L) == nullptr || budgetSpent(L))
        return 0;
    lua_settop(L, 1);
    if (lua_getiuservalue(L, 1, 1) != LUA_TTABLE || !lua_getmetatable(L, 2))
        return 0;
    lua_pushliteral(L, "__gc");
    if (lua_rawget(L, 3) != LUA_TFUNCTION)
        return 0;
    lua_State* thread = lua_newthread(L);
    lua_pushvalue(L, 4);
    lua_pushvalue(L, 2);
    lua_xmove(L, thread, 2);
    int results = 0;
    lua_resume(thread, L, 1, &results);
    return 0;
}

// Gives the table at index 1 a sentinel that is collected with it, unless it has one.
void watchFinalisation(lua_State* L) {
    if (lua_getfield(L, LUA_REGISTRYINDEX, sentinelsKey) != LUA_TTABLE) {
        lua_pop(L, 1);
        lua_newtable(L);
        lua_createtable(L, 0, 1);
        lua_pushliteral(L, "k");
        lua_setfield(L, -2, "__mode");
        lua_setmetatable(L, -2);
        lua_pushvalue(L, -1);
        lua_setfield(L, LUA_REGISTRYINDEX, sentinelsKey);
    }
    lua_pushvalue(L, 1);
    if (lua_rawget(L, -2) != LUA_TNIL) {
        lua_pop(L, 2);
        return;
    }
    lua_pop(L, 1);
    lua_pushvalue(L, 1);
    lua_newuserdatauv(L, 0, 1);
    lua_pushvalue(L, 1);
    lua_setiuservalue(L, -2, 1);
    if (luaL_newmetatable(L, sentinelMetatableKey)) {
        lua_pushcfunction(L, &runFinaliser);
        lua_setfield(L, -2, "__gc");
        lua_pushboolean(L, 0);
        lua_setfield(L, -2, "__metatable");
    }
    lua_setmetatable(L, -2);
    // Weak key: the entry keeps the sentinel only while the object lives.
    lua_rawset(L, -3);
    lua_pop(L, 1);
}

// setmetatable(t, mt) through the original (upvalue 1). Lua would run a finaliser in mt with
// the count hook off; so t is not marked for Lua's own finalisation, and a sentinel runs it.
int guardedSetmetatable(lua_State* L) {
    // Checked here, so messages name the function as the original's do.
    luaL_checktype(L, 1, LUA_TTABLE);
    luaL_argexpected(L, lua_type(L, 2) == LUA_TNIL || lua_type(L, 2) == LUA_TTABLE, 2, "nil or table");
    lua_settop(L, 2);
    bool finaliser = false;
    if (lua_type(L, 2) == LUA_TTABLE) {
        lua_pushliteral(L, "__gc");
        finaliser = lua_rawget(L, 2) != LUA_TNIL;
        if (finaliser) {
            lua_pushliteral(L, "__gc");
            lua_pushnil(L);
            lua_rawset(L, 2);
        } else {
            lua_pop(L, 1);
        }
    }
    // Stack: t, mt[, its finaliser].
    lua_pushvalue(L, lua_upvalueindex(1));
    lua_pushvalue(L, 1);
    lua_pushvalue(L, 2);
    const int status = lua_pcall(L, 2, 1, 0);
    if (finaliser) {
        lua_pushliteral(L, "__gc");
        lua_pushvalue(L, 3);
        lua_rawset(L, 2);
    }
    if (status != LUA_OK)
        return lua_error(L);
    if (finaliser)
        watchFinalisation(L);
    return 1;
}

void wrapGlobal(lua_State* L, const char* name, lua_CFunction wrapper) {
    if (lua_getglobal(L, name) != LUA_TFUNCTION) {
        lua_pop(L, 1);
        return;
    }
    lua_pushcclosure(L, wrapper, 1);
    lua_setglobal(L, name);
}

} // namespace

int guardBaseLibrary(lua_State* L) {
    wrapGlobal(L, "xpcall", &guardedXpcall);
    wrapGlobal(L, "setmetatable", &guardedSetmetatable);
    return 0;
}

} // namespace lua::detail
