#include "luabind/Protected.hpp"

#include "luabind/Error.hpp"

namespace lua::detail {

std::string popErrorText(lua_State* L, int status) {
    std::string text;
    if (status != LUA_ERRRUN && status != LUA_ERRSYNTAX && status != LUA_ERRMEM && status != LUA_ERRERR) {
        text = "unknown C++ exception (not derived from std::exception)";
    } else if (lua_type(L, -1) == LUA_TSTRING || lua_type(L, -1) == LUA_TNUMBER) {
        std::size_t length = 0;
        const char* message = lua_tolstring(L, -1, &length);
        text.assign(message, length);
    } else if (luaL_getmetafield(L, -1, "__tostring") != LUA_TNIL) {
        lua_pop(L, 1);
        lua_pushcfunction(L, &toStringValue);
        lua_pushvalue(L, -2);
        if (lua_pcall(L, 1, 1, 0) == LUA_OK && lua_type(L, -1) == LUA_TSTRING)
            text = lua_tostring(L, -1);
        else
            text = "(error object cannot be converted to text)";
        lua_pop(L, 1);
    } else {
        text = std::string("(error object is a ") + luaL_typename(L, -1) + " value)";
    }
    lua_pop(L, 1);
    return text;
}

void runProtected(lua_State* L, lua_CFunction function, int arguments, int results) {
    lua_pushcfunction(L, function);
    lua_insert(L, -(arguments + 1));
    if (const int status = lua_pcall(L, arguments, results, 0); status != LUA_OK)
        throw error(popErrorText(L, status));
}

int indexTable(lua_State* L) {
    lua_gettable(L, 1);
    return 1;
}

int assignTable(lua_State* L) {
    lua_settable(L, 1);
    return 0;
}

int toStringValue(lua_State* L) {
    luaL_tolstring(L, 1, nullptr);
    return 1;
}

} // namespace lua::detail
