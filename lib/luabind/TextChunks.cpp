#include "luabind/TextChunks.hpp"

#include "engine/resources/RegularFile.hpp"

#include <lua.hpp>

#include <exception>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

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

// Whether the file is the game's standard input: a regular file can be, for a game started with
// `< file`, and the console never reads what the game is fed.
bool isStandardInput(const char* name) {
    struct stat file {};
    struct stat input {};
    return ::stat(name, &file) == 0 && ::fstat(STDIN_FILENO, &input) == 0 && file.st_dev == input.st_dev &&
           file.st_ino == input.st_ino;
}

// Pushes the text chunk of the file named by argument 1 and returns true, or pushes the reason
// and returns false. The file is read like every other file of the game (orv::readRegularFile):
// a pipe or a device is refused rather than waited on. Without a name Lua would read standard
// input: refused too.
bool loadTextFile(lua_State* L) {
    const char* name = luaL_optstring(L, 1, nullptr);
    if (!name || isStandardInput(name)) {
        lua_pushliteral(L, "cannot read standard input");
        return false;
    }
    std::string text;
    try {
        text = orv::readRegularFile(name, orv::FileLimit::Content);
    } catch (const std::exception& error) {
        lua_pushstring(L, error.what());
        return false;
    }
    const std::string chunkName = std::string("@") + name;
    return luaL_loadbufferx(L, text.data(), text.size(), chunkName.c_str(), "t") == LUA_OK;
}

// loadfile(name [, mode [, env]]): the mode is always text.
int loadTextFileChunk(lua_State* L) {
    const bool withEnvironment = !lua_isnone(L, 3);
    if (!loadTextFile(L)) {
        luaL_pushfail(L);
        lua_insert(L, -2);
        return 2;
    }
    if (withEnvironment) {
        lua_pushvalue(L, 3);
        if (!lua_setupvalue(L, -2, 1))
            lua_pop(L, 1);
    }
    return 1;
}

int doTextFile(lua_State* L) {
    lua_settop(L, 1);
    if (!loadTextFile(L))
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
    lua_pushcfunction(L, &loadTextFileChunk);
    lua_setglobal(L, "loadfile");
    lua_pushcfunction(L, &doTextFile);
    lua_setglobal(L, "dofile");
    return 0;
}

} // namespace lua::detail
