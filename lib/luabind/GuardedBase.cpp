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

// setmetatable(t, mt) through the original (upvalue 1), unless mt holds a finaliser.
int guardedSetmetatable(lua_State* L) {
    if (lua_type(L, 2) == LUA_TTABLE) {
        lua_pushliteral(L, "__gc");
        const bool finaliser = lua_rawget(L, 2) != LUA_TNIL;
        lua_pop(L, 1);
        if (finaliser)
            return luaL_error(L, "finalisers (__gc) are not available to scripts");
    }
    lua_pushvalue(L, lua_upvalueindex(1));
    lua_insert(L, 1);
    lua_call(L, lua_gettop(L) - 1, 1);
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
