#include "luabind/ReadOnly.hpp"

#include <lua.hpp>

namespace lua::detail {

namespace {

constexpr const char* markKey = "__luabind_readonly";

int refuseWrite(lua_State* L) {
    return luaL_error(L, "attempt to change a read-only table (key '%s')", luaL_tolstring(L, 2, nullptr));
}

// Iterator over the contents (upvalue 1): next(contents, key), whatever table it is given.
int nextOfContents(lua_State* L) {
    lua_settop(L, 2);
    if (lua_next(L, lua_upvalueindex(1)) != 0)
        return 2;
    lua_pushnil(L);
    return 1;
}

// __pairs: the iterator (upvalue 1) over the view itself, so the contents never reach Lua.
int pairsOfContents(lua_State* L) {
    lua_pushvalue(L, lua_upvalueindex(1));
    lua_pushvalue(L, 1);
    lua_pushnil(L);
    return 3;
}

// Pushes the metatable that serves the contents table at `contents` (absolute index).
void pushReadOnlyMetatable(lua_State* L, int contents) {
    lua_createtable(L, 0, 5);
    lua_pushvalue(L, contents);
    lua_setfield(L, -2, "__index");
    lua_pushcfunction(L, &refuseWrite);
    lua_setfield(L, -2, "__newindex");
    lua_pushvalue(L, contents);
    lua_pushcclosure(L, &nextOfContents, 1);
    lua_pushcclosure(L, &pairsOfContents, 1);
    lua_setfield(L, -2, "__pairs");
    lua_pushboolean(L, 0);
    lua_setfield(L, -2, "__metatable");
    lua_pushboolean(L, 1);
    lua_setfield(L, -2, markKey);
}

bool isPlainTable(lua_State* L, int index) {
    if (lua_type(L, index) != LUA_TTABLE)
        return false;
    if (!lua_getmetatable(L, index))
        return true;
    lua_pop(L, 1);
    return false;
}

// Replaces the plain tables among the values of the table at `index` by read-only views.
void protectValues(lua_State* L, int index) {
    luaL_checkstack(L, 4, "read-only tables");
    lua_pushnil(L);
    while (lua_next(L, index) != 0) {
        if (isPlainTable(L, -1)) {
            pushReadOnlyView(L, lua_gettop(L));
            lua_pushvalue(L, -3);
            lua_insert(L, -2);
            lua_rawset(L, index); // an existing key: next() goes on safely
        }
        lua_pop(L, 1);
    }
}

int checkedRawset(lua_State* L) {
    luaL_checktype(L, 1, LUA_TTABLE);
    if (isReadOnly(L, 1))
        return luaL_error(L, "attempt to change a read-only table");
    luaL_checkany(L, 2);
    luaL_checkany(L, 3);
    lua_settop(L, 3);
    lua_rawset(L, 1);
    return 1;
}

} // namespace

bool isReadOnly(lua_State* L, int index) {
    if (!lua_getmetatable(L, index))
        return false;
    lua_getfield(L, -1, markKey);
    const bool marked = lua_toboolean(L, -1);
    lua_pop(L, 2);
    return marked;
}

void pushReadOnlyView(lua_State* L, int index) {
    index = lua_absindex(L, index);
    luaL_checkstack(L, 4, "read-only tables");
    lua_newtable(L);
    pushReadOnlyMetatable(L, index);
    lua_setmetatable(L, -2);
}

void sealInPlace(lua_State* L, int index) {
    index = lua_absindex(L, index);
    luaL_checkstack(L, 5, "read-only tables");
    lua_newtable(L);
    const int contents = lua_gettop(L);
    // Copy, then clear: keys are not removed while next() walks them.
    lua_pushnil(L);
    while (lua_next(L, index) != 0) {
        lua_pushvalue(L, -2);
        lua_insert(L, -2);
        lua_rawset(L, contents);
    }
    lua_pushnil(L);
    while (lua_next(L, contents) != 0) {
        lua_pop(L, 1);
        lua_pushvalue(L, -1);
        lua_pushnil(L);
        lua_rawset(L, index);
    }
    // The sealed table itself (as "_G", say) is no longer plain and stays as it is.
    pushReadOnlyMetatable(L, contents);
    lua_setmetatable(L, index);
    protectValues(L, contents);
    lua_pop(L, 1);
}

int replaceRawset(lua_State* L) {
    lua_pushcfunction(L, &checkedRawset);
    lua_setglobal(L, "rawset");
    return 0;
}

} // namespace lua::detail
