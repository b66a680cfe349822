#include "luabind/TextChunks.hpp"

#include <lua.hpp>

namespace lua::detail {

namespace {

// Calls the original loader (upvalue 1) with the mode argument (at upvalue 2's index) forced to
// text. Arguments after the mode keep their presence: "load" tells a nil environment from none.
int loadAsText(lua_State* L) {
    const int modeIndex = static_cast<int>(lua_tointeger(L, lua_upvalueindex(2)));
    if (lua_gettop(L) < modeIndex)
        lua_settop(L, modeIndex);
    lua_pushliteral(L, "t");
    lua_replace(L, modeIndex);
    const int arguments = lua_gettop(L);
    lua_pushvalue(L, lua_upvalueindex(1));
    lua_insert(L, 1);
    lua_call(L, arguments, LUA_MULTRET);
    return lua_gettop(L);
}

int doTextFile(lua_State* L) {
    const char* name = luaL_optstring(L, 1, nullptr);
    lua_settop(L, 1);
    if (luaL_loadfilex(L, name, "t") != LUA_OK)
        return lua_error(L);
    lua_call(L, 0, LUA_MULTRET);
    return lua_gettop(L) - 1;
}

void wrapLoader(lua_State* L, const char* name, int modeIndex) {
    if (lua_getglobal(L, name) != LUA_TFUNCTION) {
        lua_pop(L, 1);
        return;
    }
    lua_pushinteger(L, modeIndex);
    lua_pushcclosure(L, &loadAsText, 2);
    lua_setglobal(L, name);
}

} // namespace

int restrictLoadersToText(lua_State* L) {
    wrapLoader(L, "load", 3);
    wrapLoader(L, "loadfile", 2);
    lua_pushcfunction(L, &doTextFile);
    lua_setglobal(L, "dofile");
    return 0;
}

} // namespace lua::detail
